#include "ExportFixtures.h"
#include "support/ExportSchema.h"

#include <gtest/gtest.h>

// The schema is only worth something if it refuses what the format does not allow.
TEST(ExportSchema, RefusesDocumentsThatBreakTheFormat) {
    const QByteArray valid(kTwoJobOrdersXml);
    ASSERT_EQ(exportSchemaErrors(valid), QString());

    const struct {
        const char* fault;
        const char* from;
        const char* to;
    } cases[] = {
        {"Optionals before Contracts", "<dms:Contracts />\n      <dms:Optionals />",
         "<dms:Optionals />\n      <dms:Contracts />"},
        {"missing required attribute", " SINCOM=\"0123456\"", ""},
        {"unknown attribute", "P.IVA=\"\"", "PIVA=\"\""},
        {"customer id not a number", "CUSTOMERIDDMS=\"123\"", "CUSTOMERIDDMS=\"00A12\""},
        {"empty Parts",
         "<dms:Parts>\n          <dms:Part PARTCODE=\"55555555\" CHARGEABLE=\"G\" "
         "DESCRIPTION=\"Filtro olio\" />\n        </dms:Parts>",
         "<dms:Parts />"},
        {"text content", "<dms:Inconveniences />",
         "<dms:Inconveniences>testo</dms:Inconveniences>"},
        {"other namespace", "xmlns:dms=\"http://services.korvadex.it/Quomix/DmsToQuomix_v4\"",
         "xmlns:dms=\"http://services.korvadex.it/Quomix/DmsToQuomix_v3\""},
        {"price with two full stops", "FIXEDPRICE=\"12.500\"", "FIXEDPRICE=\"2.5.000\""},
        {"price without an integer part", "FIXEDPRICE=\"12.500\"", "FIXEDPRICE=\".000000000\""},
        {"price with two decimals", "FIXEDPRICE=\"12.500\"", "FIXEDPRICE=\"1234567.50\""},
        {"price with a comma", "FIXEDPRICE=\"12.500\"", "FIXEDPRICE=\"12,500\""},
        {"five privacy rows",
         "<dms:Privacy idEntity=\"2\" Entity=\"Dealer\" IdChannel=\"C\" Channel=\"Profiling\" "
         "PermDate=\"\" DisclaimerCode=\"1390\" idSource=\"2\" Source=\"dms\" Status=\"F\" />",
         ""},
    };
    for (const auto& c : cases) {
        const QByteArray broken = QByteArray(valid).replace(c.from, c.to);
        ASSERT_NE(broken, valid) << c.fault;
        EXPECT_NE(exportSchemaErrors(broken), QString()) << c.fault;
    }
}
