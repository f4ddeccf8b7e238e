#include "pdf/core/TrueTypeSubset.h"

#include <hb-subset.h>
#include <memory>

namespace plk {

namespace {

template <class T, void (*Destroy)(T*)>
struct Release {
    void operator()(T* p) const { Destroy(p); }
};
using Blob = std::unique_ptr<hb_blob_t, Release<hb_blob_t, hb_blob_destroy>>;
using Face = std::unique_ptr<hb_face_t, Release<hb_face_t, hb_face_destroy>>;
using Input = std::unique_ptr<hb_subset_input_t, Release<hb_subset_input_t, hb_subset_input_destroy>>;

// The tables a PDF's TrueType program is read from (the text's letters are named by
// glyph, so no character map is needed).
constexpr const char* kTables[] = {"head", "hhea", "hmtx", "maxp", "loca", "glyf", "cvt ", "fpgm", "prep"};

/// Qt hands out a font's tables, not its file: one made of the tables a PDF needs;
/// none when the font's outlines are of another kind (CFF), which this program does not
/// carry.
Face fontOfTables(const QRawFont& font)
{
    const Face builder(hb_face_builder_create());
    for (const char* tag : kTables) {
        const QByteArray table = font.fontTable(tag);
        const bool outlines = qstrcmp(tag, "glyf") == 0 || qstrcmp(tag, "loca") == 0;
        if (table.isEmpty() && outlines)
            return nullptr;
        if (table.isEmpty())
            continue;
        const Blob blob(hb_blob_create(table.constData(), unsigned(table.size()), HB_MEMORY_MODE_DUPLICATE, nullptr,
                                       nullptr));
        hb_face_builder_add_table(builder.get(), HB_TAG(tag[0], tag[1], tag[2], tag[3]), blob.get());
    }
    const Blob file(hb_face_reference_blob(builder.get()));
    return Face(hb_face_create(file.get(), 0));
}

}  // namespace

QByteArray trueTypeSubset(const QRawFont& font, const std::vector<quint32>& used)
{
    const Face face = fontOfTables(font);
    const Input input(hb_subset_input_create_or_fail());
    if (!face || !input)
        return {};
    hb_set_t* glyphs = hb_subset_input_glyph_set(input.get());
    hb_set_add(glyphs, 0);
    for (const quint32 g : used)
        hb_set_add(glyphs, g);
    // Every glyph keeps its number: the pages name glyphs as the font laid them out.
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_RETAIN_GIDS);
    const Face subset(hb_subset_or_fail(face.get(), input.get()));
    if (!subset)
        return {};
    const Blob file(hb_face_reference_blob(subset.get()));
    unsigned length = 0;
    const char* data = hb_blob_get_data(file.get(), &length);
    return length > 0 ? QByteArray(data, qsizetype(length)) : QByteArray();
}

}  // namespace plk
