#include "ui/CodeComboBox.h"

#include <gtest/gtest.h>

namespace {

// Codes as the reference tables hold them; the lookup answers by name, as the database does.
const MappaCodici kCodici = {{QStringLiteral("C"), QStringLiteral("Cliente")},
                             {QStringLiteral("G1"), QStringLiteral("Garanzia")},
                             {QStringLiteral("G2"), QStringLiteral("Garanzia estesa")},
                             {QStringLiteral("I"), QStringLiteral("Interno")}};

CodeDictionary dizionario(QStringList* asked = nullptr) {
    return {kCodici, [asked](const QString& nome) {
                if (asked != nullptr) {
                    *asked << nome;
                }
                return kCodici.key(nome);
            }};
}

QStringList items(const QComboBox& box) {
    QStringList names;
    for (int i = 0; i < box.count(); ++i) {
        names << box.itemText(i);
    }
    return names;
}

TEST(CodeComboBoxTest, ListsTheNamesInDictionaryOrderWithNothingChosen) {
    CodeComboBox box("ComboBoxCodiceACarico", dizionario());

    EXPECT_EQ(box.objectName(), QStringLiteral("ComboBoxCodiceACarico"));
    EXPECT_EQ(items(box), QStringList(kCodici.values()));
    EXPECT_FALSE(box.hasChoice());
    EXPECT_FALSE(box.isEditable()) << "no text can be typed over a choice";
}

TEST(CodeComboBoxTest, ChoosesTheNameWhoseCodeBeginsWithTheCode) {
    struct Caso {
        QChar codice;
        QString scelto;  // empty: no choice
    };
    const Caso casi[] = {{u'C', QStringLiteral("Cliente")},
                         {u'G', QStringLiteral("Garanzia estesa")},  // the last of two
                         {u'X', QString()},
                         {QChar(), QString()}};
    CodeComboBox box("ComboBoxCodiceACarico", dizionario());
    for (const Caso& caso : casi) {
        box.setCurrentIndex(0);
        box.chooseCode(caso.codice);
        EXPECT_EQ(box.hasChoice(), !caso.scelto.isEmpty()) << int(caso.codice.unicode());
        EXPECT_EQ(box.currentText(), caso.scelto) << int(caso.codice.unicode());
    }
}

TEST(CodeComboBoxTest, TheChosenNameBecomesItsCodesFirstCharacterThroughTheLookup) {
    QStringList asked;
    CodeComboBox box("ComboBoxCodiceACarico", dizionario(&asked));
    box.setCurrentIndex(2);
    EXPECT_EQ(box.chosenCode(), QChar(u'G'));
    EXPECT_EQ(asked, QStringList{QStringLiteral("Garanzia estesa")});

    CodeComboBox senzaRighe("ComboBoxCodiceACarico",
                            {kCodici, [](const QString&) { return QString(); }});
    senzaRighe.setCurrentIndex(0);
    EXPECT_TRUE(senzaRighe.chosenCode().isNull());
}

}  // namespace
