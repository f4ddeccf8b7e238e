// The gLabels import on any bytes (XML, or gzip when they start as gzip does):
// read, written as our records, read into a project, painted, written and read again.
#include "FuzzSupport.h"

#include "document/core/ProjectFile.h"
#include "import/core/GlabelsReader.h"
#include "import/core/GlabelsRecords.h"
#include "import/core/GzipData.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    plk::fuzz::initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray xml = plk::fuzz::bytes(data, size);
    if (plk::isGzip(xml)) {
        const auto inflated = plk::gunzip(xml, 1 << 20);
        if (!inflated)
            return 0;
        xml = *inflated;
    }
    const plk::GlabelsReadResult read = plk::readGlabelsXml(xml);
    if (!read.document)
        return 0;
    plk::GlabelsTarget target;
    target.name = QStringLiteral("Essai");
    const plk::GlabelsConversion converted = plk::glabelsProjectText(*read.document, target, plk::fuzz::format());
    plk::Project project;
    plk::readProjectData(plk::encodeProjectText(converted.text + converted.extensions), project, plk::fuzz::format());
    plk::fuzz::paintWriteAndReadBack(project);
    return 0;
}
