#include "export/ExportDocument.h"
#include "export/KORVADEXDmsToQuomix_v4.h"
#include "export/XmlWriters.h"
#include "platform/Errors.h"
#include "support/ErrorOf.h"
#include "support/ExportSchema.h"

#include <gtest/gtest.h>
#include <QStringList>
#include <cmath>
#include <functional>
#include <limits>

namespace {

QStringList childNames(pugi::xml_node element) {
    QStringList names;
    for (pugi::xml_node child : element.children()) {
        names.append(QString::fromUtf8(child.name()));
    }
    return names;
}

QStringList attributeNames(pugi::xml_node element) {
    QStringList names;
    for (pugi::xml_attribute attribute : element.attributes()) {
        names.append(QString::fromUtf8(attribute.name()));
    }
    return names;
}

// Two job orders with nested elements and escaped text, built into `document`'s root.
// `afterEach` runs after each of them.
void addTwoJobOrders(ExportDocument& document, const std::function<void()>& afterEach) {
    for (const QString& id : {QStringLiteral("1"), QStringLiteral("2 & <3>")}) {
        const TXMLCommessaDetail commessa(document.root().appendChild("Commessa"));
        commessa.IDCOMMESSADMS().set(id);
        commessa.Vehicle().PLATE().set(QStringLiteral("AB123CD"));
        commessa.Inconveniences().Add().Operations().Add().DESCRIPTION().set(
            QStringLiteral("Sostituzione \"pastiglie\""));
        commessa.PrivacyUe();
        afterEach();
    }
}

}  // namespace

TEST(ExportDocument, StartsAsTheThreeInitialLinesAndSavesAnEmptyRoot) {
    const QByteArray initial = ExportDocument::initialText();
    EXPECT_EQ(initial.count('\n'), 3);
    EXPECT_TRUE(initial.startsWith("<?xml version=\"1.0\"?>\n<dms:CONTENT xmlns:xsd="));
    EXPECT_TRUE(initial.endsWith("\n</dms:CONTENT>\n"));

    ExportDocument document;
    const QByteArray saved = document.formattedText();
    EXPECT_EQ(saved, initial.left(initial.indexOf(">\n</")) + " />\n");
    EXPECT_EQ(exportSchemaErrors(saved), QString());
}

TEST(ExportDocument, WrittenPieceByPieceItIsTheWholeDocumentsText) {
    ExportDocument whole;
    addTwoJobOrders(whole, [] {});

    QByteArray pieces;
    ByteArrayXmlWriter out(pieces);
    ExportDocument streamed;
    ExportDocument::writeStart(out);
    addTwoJobOrders(streamed, [&] { streamed.writeChildrenAndRemove(out); });
    ExportDocument::writeEnd(out);

    EXPECT_EQ(pieces, whole.formattedText());
    EXPECT_FALSE(streamed.root().node().first_child());  // written children leave

    QByteArray empty;
    ByteArrayXmlWriter emptyOut(empty);
    ExportDocument::writeStart(emptyOut);
    ExportDocument::writeEnd(emptyOut);
    EXPECT_EQ(empty, ExportDocument::initialText());
}

TEST(ExportBinding, ChildrenTakeTheParentPrefixAndTheirPosition) {
    ExportDocument document;
    const TXMLCommessaDetail commessa(document.root().createChild("Commessa", 0));
    const TXMLVehicleType vehicle = commessa.Vehicle();
    vehicle.createChild("Optionals", 0);
    vehicle.createChild("Contracts", 0);
    EXPECT_EQ(childNames(vehicle.node()),
              QStringList({QStringLiteral("dms:Contracts"), QStringLiteral("dms:Optionals")}));

    // The accessor creates on first use only.
    EXPECT_EQ(commessa.Customer().node(), commessa.Customer().node());
    EXPECT_EQ(childNames(commessa.node()),
              QStringList({QStringLiteral("dms:Vehicle"), QStringLiteral("dms:Customer")}));

    EXPECT_EQ(errorOf([&] { vehicle.createChild("Optionals", 3); }),
              QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(childNames(vehicle.node()).size(), 2);
}

TEST(ExportBinding, ListIndexesOutsideTheItemsFailAndChangeNothing) {
    ExportDocument document;
    const TXMLPrivacyUeType privacyUe =
        TXMLCommessaDetail(document.root().createChild("Commessa", 0)).PrivacyUe();
    privacyUe.Add().Entity().set(QStringLiteral("secondo"));
    privacyUe.Insert(0).Entity().set(QStringLiteral("primo"));
    ASSERT_EQ(privacyUe.Count(), 2);
    EXPECT_EQ(privacyUe.Get(0).Entity().get(), QStringLiteral("primo"));
    EXPECT_EQ(privacyUe.Get(1).Entity().get(), QStringLiteral("secondo"));

    EXPECT_EQ(errorOf([&] { privacyUe.Get(2); }), QStringLiteral("List index out of bounds (2)"));
    EXPECT_EQ(errorOf([&] { privacyUe.Get(-1); }), QStringLiteral("List index out of bounds (-1)"));
    EXPECT_EQ(errorOf([&] { privacyUe.Insert(3); }),
              QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(privacyUe.Count(), 2);
}

TEST(ExportBinding, AttributesKeepTheOrderInWhichTheyWereFirstSet) {
    ExportDocument document;
    const TXMLCustomerType_CustomerType customer(
        document.root().createChild("Commessa", 0).append_child("dms:CustomerType"));
    customer.LASTNAME().set(QStringLiteral("Rossi"));
    customer.P_IVA().set(QString());
    customer.LASTNAME().set(QStringLiteral("Bianchi"));

    EXPECT_EQ(attributeNames(customer.node()),
              QStringList({QStringLiteral("LASTNAME"), QStringLiteral("P.IVA")}));
    EXPECT_EQ(customer.LASTNAME().get(), QStringLiteral("Bianchi"));
    EXPECT_TRUE(customer.node().attribute("P.IVA"));  // empty, but present
    EXPECT_FALSE(customer.node().attribute("FISCALCODE"));
    EXPECT_EQ(customer.FISCALCODE().get(), QString());
}

TEST(ExportBinding, DecimalsReadAsTheFormatSays) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        double value;
    } cases[] = {{"12.5", 12.5}, {"inf", inf}, {"-INF", -inf}, {"", 0.0}, {"   ", 0.0}};
    ExportDocument document;
    const XMLElementView discount(document.root().createChild("Discount", 0));
    for (const auto& c : cases) {
        discount.node().remove_attribute("PERCENTAGE");
        discount.node().append_attribute("PERCENTAGE") = c.text;
        EXPECT_EQ(discount.decimalAttribute("PERCENTAGE").get(), c.value) << c.text;
    }
    discount.node().attribute("PERCENTAGE") = "nan";
    EXPECT_TRUE(std::isnan(discount.decimalAttribute("PERCENTAGE").get()));
    discount.node().attribute("PERCENTAGE") = "12,5";
    EXPECT_THROW(discount.decimalAttribute("PERCENTAGE").get(), ConversionError);

    discount.decimalAttribute("PERCENTAGE").set(0.1);
    EXPECT_STREQ(discount.node().attribute("PERCENTAGE").value(), "0.1");
}

TEST(ExportBinding, Int64TextConversion) {
    EXPECT_EQ(int64FromText(QStringLiteral("00123")), 123);
    EXPECT_EQ(int64FromText(QStringLiteral("-7")), -7);
    EXPECT_EQ(int64FromText(QStringLiteral("9223372036854775807")),
              std::numeric_limits<qint64>::max());
    for (const char* bad : {"00A12", "", " 12", "12\n", "1.5", "9223372036854775808"}) {
        EXPECT_EQ(errorOf([&] { int64FromText(QString::fromLatin1(bad)); }),
                  QStringLiteral("'%1' is not a valid integer value for Int64 type").arg(bad));
    }
}
