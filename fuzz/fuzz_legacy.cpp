// The legacy importer on any bytes: import, paint, write as a project, read again.
#include "FuzzSupport.h"

#include "document/core/LegacyImport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    plk::fuzz::initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    plk::Project project;
    plk::importLegacyData(plk::fuzz::bytes(data, size), QStringLiteral("Ancien.prj"), project, plk::fuzz::format());
    plk::fuzz::paintWriteAndReadBack(project);
    return 0;
}
