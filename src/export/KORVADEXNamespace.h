#pragma once

// The names that tie the export document to the manufacturer's schema
// "KORVADEX-DmsToQuomix_v4". Kept free of any XML library so that the uploader stand-in can
// check a document against the same constants.
namespace KORVADEXNamespace {

// The service namespace: the "dms" declaration, the first half of xsi:schemaLocation, and
// what the root lookup checks.
inline constexpr char kServiceUri[] = "http://services.korvadex.it/Quomix/DmsToQuomix_v4";

inline constexpr char kPrefix[] = "dms";
inline constexpr char kRootName[] = "CONTENT";

// The schema path the manufacturer's tools expect after the namespace in
// xsi:schemaLocation.
inline constexpr char kLocalSchemaPath[] =
    "C:\\Temp\\Privacy_GDPR\\VORNEX\\KORVADEX_DmsToQuomix_v4\\KORVADEX-DmsToQuomix_v4.xsd";

}  // namespace KORVADEXNamespace
