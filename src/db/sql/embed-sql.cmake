# Writes a header that holds the schema and the reference data as string literals.
file(READ ${SCHEMA} schema_sql)
file(READ ${REFERENCE_DATA} reference_sql)
file(WRITE ${OUTPUT}.tmp
"#pragma once\n\n// Generated from src/db/sql at build time.\n"
"inline constexpr const char* kSchemaSql = R\"tavorno_sql(${schema_sql})tavorno_sql\";\n"
"inline constexpr const char* kReferenceDataSql = R\"tavorno_sql(${reference_sql})tavorno_sql\";\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
