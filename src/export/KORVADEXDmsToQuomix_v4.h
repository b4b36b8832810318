#pragma once

#include <QString>
#include <pugixml.hpp>

// The typed node layer of the export document: views over elements of one pugixml
// document. A view holds no data of its own; every read and write goes straight to the
// element. The whole vocabulary of the format is in the schema
// (data/schema/KORVADEX-DmsToQuomix_v4.xsd); the views name only the attributes and
// children the export writes.

// The int64 text form: decimal digits with an optional sign ("00123" reads as 123).
// Anything else throws ConversionError "'%s' is not a valid integer value for Int64 type".
qint64 int64FromText(const QString& text);

// One attribute of an element, in the text form of its type. A missing attribute reads as
// empty text. A decimal reads empty or blank text as 0, "NaN", "INF" and "-INF" in any
// letter case as not-a-number and the infinities, anything else as a number with "." as
// separator. Setting replaces an existing value in place, or appends the attribute after
// the existing ones, so attributes keep the order in which they were first set.
template <typename T>
class XMLAttribute {
public:
    XMLAttribute(pugi::xml_node element, const char* name) : element_(element), name_(name) {}
    T get() const;
    void set(const T& value) const;

private:
    pugi::xml_node element_;
    const char* name_;
};

template <>
QString XMLAttribute<QString>::get() const;
template <>
void XMLAttribute<QString>::set(const QString& value) const;
template <>
qint64 XMLAttribute<qint64>::get() const;
template <>
void XMLAttribute<qint64>::set(const qint64& value) const;
template <>
double XMLAttribute<double>::get() const;
template <>
void XMLAttribute<double>::set(const double& value) const;

using TextAttribute = XMLAttribute<QString>;
using Int64Attribute = XMLAttribute<qint64>;
using DecimalAttribute = XMLAttribute<double>;

// Any element of the document. Children always take their parent's prefix (and so its
// namespace): no other prefix and no default namespace is ever written.
class XMLElementView {
public:
    explicit XMLElementView(pugi::xml_node element) : element_(element) {}

    pugi::xml_node node() const { return element_; }

    // Plain child creation: a new child element at child position `position` (0 is first,
    // the number of children appends). Any other position fails with
    // "List index out of bounds (%d)".
    pugi::xml_node createChild(const char* localName, int position) const;
    // A new last child: createChild at the position of the child count, without walking the
    // children to find that position (a document of thousands of job orders grows this way).
    pugi::xml_node appendChild(const char* localName) const;

    // A decimal attribute by name, for the ones no view names (the export writes none).
    DecimalAttribute decimalAttribute(const char* name) const { return {element_, name}; }

protected:
    // The child with that local name, created as the last child on first use, so repeated
    // calls return the same element.
    pugi::xml_node child(const char* localName) const;

    pugi::xml_node element_;
};

namespace XMLListItems {
int count(pugi::xml_node list, const char* itemName);
pugi::xml_node at(pugi::xml_node list, const char* itemName, int index);
pugi::xml_node insert(pugi::xml_node list, const char* itemName, int index);
}  // namespace XMLListItems

// An element that holds repeated items of one kind. Indexes count among the item children,
// from 0; Get at or past the count, or Insert outside 0 to the count, fails with
// "List index out of bounds (%d)" and changes nothing.
template <typename Item>
class XMLListView : public XMLElementView {
public:
    using XMLElementView::XMLElementView;

    int Count() const { return XMLListItems::count(element_, Item::kName); }
    Item Get(int index) const { return Item(XMLListItems::at(element_, Item::kName, index)); }
    // Insert at the count, which is appending: no walk over the items.
    Item Add() const { return Item(appendChild(Item::kName)); }
    Item Insert(int index) const {
        return Item(XMLListItems::insert(element_, Item::kName, index));
    }
};

class TXMLOperationsType_Operation : public XMLElementView {
public:
    static constexpr char kName[] = "Operation";
    using XMLElementView::XMLElementView;

    TextAttribute FIXEDPRICE() const { return {element_, "FIXEDPRICE"}; }
    TextAttribute OPERATIONCODE() const { return {element_, "OPERATIONCODE"}; }
    TextAttribute DESCRIPTION() const { return {element_, "DESCRIPTION"}; }
    TextAttribute CHARGEABLE() const { return {element_, "CHARGEABLE"}; }
};

using TXMLOperationsType = XMLListView<TXMLOperationsType_Operation>;

class TXMLPartsType_Part : public XMLElementView {
public:
    static constexpr char kName[] = "Part";
    using XMLElementView::XMLElementView;

    TextAttribute PARTCODE() const { return {element_, "PARTCODE"}; }
    TextAttribute CHARGEABLE() const { return {element_, "CHARGEABLE"}; }
    TextAttribute DESCRIPTION() const { return {element_, "DESCRIPTION"}; }
};

using TXMLPartsType = XMLListView<TXMLPartsType_Part>;

class TXMLInconveniencesType_Inconvenience : public XMLElementView {
public:
    static constexpr char kName[] = "Inconvenience";
    using XMLElementView::XMLElementView;

    TextAttribute INCONVENIENCEIDDMS() const { return {element_, "INCONVENIENCEIDDMS"}; }
    TextAttribute DESCRIPTION() const { return {element_, "DESCRIPTION"}; }
    TextAttribute CHARGEABLE() const { return {element_, "CHARGEABLE"}; }
    TextAttribute INCONVENIENCETYPE() const { return {element_, "INCONVENIENCETYPE"}; }

    TXMLOperationsType Operations() const { return TXMLOperationsType(child("Operations")); }
    TXMLPartsType Parts() const { return TXMLPartsType(child("Parts")); }
};

using TXMLInconveniencesType = XMLListView<TXMLInconveniencesType_Inconvenience>;

class TXMLCustomerType_CustomerType : public XMLElementView {
public:
    static constexpr char kName[] = "CustomerType";
    using XMLElementView::XMLElementView;

    Int64Attribute CUSTOMERIDDMS() const { return {element_, "CUSTOMERIDDMS"}; }
    TextAttribute CODCONTACTTYPE() const { return {element_, "CODCONTACTTYPE"}; }
    TextAttribute LASTNAME() const { return {element_, "LASTNAME"}; }
    TextAttribute FISCALCODE() const { return {element_, "FISCALCODE"}; }
    TextAttribute P_IVA() const { return {element_, "P.IVA"}; }
};

using TXMLCustomerType = XMLListView<TXMLCustomerType_CustomerType>;

class TXMLVehicleType : public XMLElementView {
public:
    using XMLElementView::XMLElementView;

    TextAttribute BRAND() const { return {element_, "BRAND"}; }
    TextAttribute MVS() const { return {element_, "MVS"}; }
    TextAttribute CHASSIS() const { return {element_, "CHASSIS"}; }
    TextAttribute PLATE() const { return {element_, "PLATE"}; }
};

class TXMLPrivacyUeType_Privacy : public XMLElementView {
public:
    static constexpr char kName[] = "Privacy";
    using XMLElementView::XMLElementView;

    TextAttribute idEntity() const { return {element_, "idEntity"}; }
    TextAttribute Entity() const { return {element_, "Entity"}; }
    TextAttribute IdChannel() const { return {element_, "IdChannel"}; }
    TextAttribute Channel() const { return {element_, "Channel"}; }
    TextAttribute idSource() const { return {element_, "idSource"}; }
    TextAttribute Source() const { return {element_, "Source"}; }
    TextAttribute Status() const { return {element_, "Status"}; }
    TextAttribute DisclaimerCode() const { return {element_, "DisclaimerCode"}; }
    TextAttribute PermDate() const { return {element_, "PermDate"}; }
};

using TXMLPrivacyUeType = XMLListView<TXMLPrivacyUeType_Privacy>;

class TXMLCommessaDetail : public XMLElementView {
public:
    static constexpr char kName[] = "Commessa";
    using XMLElementView::XMLElementView;

    TextAttribute IDCOMMESSADMS() const { return {element_, "IDCOMMESSADMS"}; }
    TextAttribute DMSVERSION() const { return {element_, "DMSVERSION"}; }
    TextAttribute CREATIONDATE() const { return {element_, "CREATIONDATE"}; }
    TextAttribute MARKETCODE() const { return {element_, "MARKETCODE"}; }
    TextAttribute SINCOM() const { return {element_, "SINCOM"}; }

    TXMLCustomerType Customer() const { return TXMLCustomerType(child("Customer")); }
    TXMLVehicleType Vehicle() const { return TXMLVehicleType(child("Vehicle")); }
    TXMLInconveniencesType Inconveniences() const {
        return TXMLInconveniencesType(child("Inconveniences"));
    }
    TXMLPrivacyUeType PrivacyUe() const { return TXMLPrivacyUeType(child("PrivacyUe")); }
};

using TXMLCommessaList = XMLListView<TXMLCommessaDetail>;

// The root "CONTENT" of the service namespace. Throws TavornoError when the document has
// no such root.
TXMLCommessaList GetCONTENT(pugi::xml_document& document);
