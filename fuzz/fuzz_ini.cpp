// The INI reader on any bytes: every key it finds reads back the same after the file is
// written again, and a key set is read back as set.
#include "FuzzSupport.h"

#include "base/core/IniFile.h"

namespace {

void check(bool ok, const char* what, const QByteArray& text)
{
    if (!ok)
        plk::fuzz::finding(what, QString::fromLatin1(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = plk::fuzz::bytes(data, size);
    plk::IniDocument doc = plk::IniDocument::fromBytes(input);
    const QByteArray written = doc.bytes();
    const plk::IniDocument again = plk::IniDocument::fromBytes(written);
    check(again.bytes() == written, "a written file is not read back as written", written);

    // The keys of the settings file and of legacy projects, in the sections they use.
    static const char* const kPlaces[][2] = {{"MENU", "Windows"}, {"FORMAT", "Longueur"}, {"LABEL 1", "Caption"},
                                             {"BARRE XP", "GRP-1"}, {"FOND", "Picture"}};
    for (const auto& place : kPlaces) {
        const QString section = QLatin1String(place[0]), key = QLatin1String(place[1]);
        check(again.value(section, key) == doc.value(section, key), "a value changed on writing", written);
        check(doc.value(section, key).size() <= plk::kIniValueMax, "a value longer than 254 characters", written);
    }
    const QString value = QStringLiteral("valeur = \"écrite\"");
    doc.setValue(QStringLiteral("Menu"), QStringLiteral("windows"), value);
    check(plk::IniDocument::fromBytes(doc.bytes()).value(QStringLiteral("MENU"), QStringLiteral("Windows")) ==
              QStringLiteral("valeur = \"écrite\""),
          "a key set is not read back", doc.bytes());
    return 0;
}
