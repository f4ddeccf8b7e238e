// The project reader on any bytes: read, paint each tab, write, read again.
#include "FuzzSupport.h"

#include "document/core/ProjectFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    plk::fuzz::initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    plk::Project project;
    plk::readProjectData(plk::fuzz::bytes(data, size), project, plk::fuzz::format());
    plk::fuzz::paintWriteAndReadBack(project);
    return 0;
}
