#include "render/pdf/PdfFonts.h"

#include <algorithm>
#include <map>
#include <vector>

#include "render/pdf/PageCompressor.h"
#include "render/pdf/PdfNumbers.h"

namespace vantolex {

namespace {

// Font programs are written once per document: worth a better compression than pages.
constexpr int fontLevel = 6;

std::uint16_t bigEndian16(const char* data)
{
    return static_cast<std::uint16_t>((static_cast<unsigned char>(data[0]) << 8) | static_cast<unsigned char>(data[1]));
}

std::vector<std::uint32_t> sortedGlyphs(const GlyphUse& use)
{
    std::vector<std::uint32_t> glyphs;
    glyphs.reserve(use.codePoints.size() + 1);
    glyphs.push_back(0);
    for (const auto& [glyph, codePoint] : use.codePoints) {
        if (glyph != 0) {
            glyphs.push_back(glyph);
        }
    }
    std::sort(glyphs.begin(), glyphs.end());
    return glyphs;
}

// Six capital letters that name the subset, from the face and the glyphs it holds.
std::string subsetTag(const std::vector<std::uint32_t>& glyphs, const FontFace& face)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : face.postScriptName()) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    for (const std::uint32_t glyph : glyphs) {
        hash = (hash ^ glyph) * 16777619u;
    }
    std::string tag;
    for (int i = 0; i < 6; ++i) {
        tag += static_cast<char>('A' + hash % 26);
        hash /= 26;
    }
    return tag + "+";
}

// The face cut down to `glyphs` (their ids kept), without layout tables and hinting; the missing glyph keeps
// its outline. Empty when the subsetter fails.
std::string subsetProgram(const FontFace& face, const std::vector<std::uint32_t>& glyphs)
{
    handles::HbSubsetInputPtr input(hb_subset_input_create_or_fail());
    if (!input) {
        return {};
    }
    hb_set_t* keep = hb_subset_input_glyph_set(input.get());
    for (const std::uint32_t glyph : glyphs) {
        hb_set_add(keep, glyph);
    }
    hb_set_t* drop = hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const char* tag : { "GSUB", "GPOS", "GDEF", "BASE", "JSTF", "MATH", "vhea", "vmtx", "VORG", "DSIG", "kern",
                             "morx", "mort", "feat", "hdmx", "LTSH", "VDMX" }) {
        hb_set_add(drop, hb_tag_from_string(tag, 4));
    }
    // A CID-keyed program keeps the CID of each glyph in its charset, by which the document names it; other
    // programs keep their glyph ids, which the document uses instead (a few bytes per dropped glyph).
    hb_subset_input_set_flags(input.get(),
                              (face.hasCidKeyedOutlines() ? 0 : HB_SUBSET_FLAGS_RETAIN_GIDS)
                                  | HB_SUBSET_FLAGS_NO_HINTING | HB_SUBSET_FLAGS_NOTDEF_OUTLINE);
    handles::HbFacePtr subset(hb_subset_or_fail(face.hbFace(), input.get()));
    if (!subset) {
        return {};
    }
    handles::HbBlobPtr blob(face.hasCffOutlines() ? hb_face_reference_table(subset.get(), HB_TAG('C', 'F', 'F', ' '))
                                                  : hb_face_reference_blob(subset.get()));
    unsigned int length = 0;
    const char* data = hb_blob_get_data(blob.get(), &length);
    return std::string(data, length);
}

// The most common value among `values`, or `fallback` for none.
int mostCommon(const std::vector<int>& values, int fallback)
{
    std::map<int, int> counts;
    for (const int value : values) {
        ++counts[value];
    }
    int best = fallback;
    int bestCount = 0;
    for (const auto& [value, count] : counts) {
        if (count > bestCount) {
            best = value;
            bestCount = count;
        }
    }
    return best;
}

void appendFontBox(std::string& out, const FontFace& face)
{
    handles::HbBlobPtr head(hb_face_reference_table(face.hbFace(), HB_TAG('h', 'e', 'a', 'd')));
    unsigned int length = 0;
    const char* data = hb_blob_get_data(head.get(), &length);
    int box[4] = { 0, -face.descender(), face.unitsPerEm(), face.ascender() };
    if (length >= 44) {
        for (int i = 0; i < 4; ++i) {
            box[i] = static_cast<std::int16_t>(bigEndian16(data + 36 + 2 * i));
        }
    }
    out += "/FontBBox[";
    for (int i = 0; i < 4; ++i) {
        pdf::appendInteger(out, pdfWidth(box[i], face.unitsPerEm()));
        out += i < 3 ? " " : "]";
    }
}

int capHeightOf(const FontFace& face)
{
    handles::HbBlobPtr os2(hb_face_reference_table(face.hbFace(), HB_TAG('O', 'S', '/', '2')));
    unsigned int length = 0;
    const char* data = hb_blob_get_data(os2.get(), &length);
    constexpr unsigned int capHeightOffset = 88;
    if (length >= capHeightOffset + 2 && bigEndian16(data) >= 2) {
        return static_cast<std::int16_t>(bigEndian16(data + capHeightOffset));
    }
    return face.ascender();
}

// /DW and /W: the most common width as the default, the others listed by runs of consecutive CIDs.
void appendWidths(std::string& out, const FontFace& face, const std::vector<std::uint32_t>& glyphs)
{
    std::vector<std::pair<std::uint32_t, int>> widths; // by CID
    std::vector<int> values;
    widths.reserve(glyphs.size());
    for (const std::uint32_t glyph : glyphs) {
        widths.emplace_back(face.pdfCid(glyph), pdfWidth(face.advance(glyph), face.unitsPerEm()));
        values.push_back(widths.back().second);
    }
    std::sort(widths.begin(), widths.end());
    const int standard = mostCommon(values, 1000);
    out += "/DW ";
    pdf::appendInteger(out, standard);
    out += "/W[";
    std::size_t i = 0;
    while (i < widths.size()) {
        if (widths[i].second == standard) {
            ++i;
            continue;
        }
        pdf::appendInteger(out, widths[i].first);
        out += '[';
        std::size_t j = i;
        while (j < widths.size() && widths[j].second != standard
               && (j == i || widths[j].first == widths[j - 1].first + 1)) {
            if (j != i) {
                out += ' ';
            }
            pdf::appendInteger(out, widths[j].second);
            ++j;
        }
        out += "]\n";
        i = j;
    }
    out += ']';
}

// /DW2 and /W2 of the glyphs drawn upright: the most common vertical origin with an advance of one em as the
// default, the rest listed one by one.
void appendVerticalMetrics(std::string& out, const FontFace& face, const GlyphUse& use)
{
    const int unitsPerEm = face.unitsPerEm();
    std::vector<int> origins;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> glyphs; // CID, glyph
    for (const auto& [glyph, upright] : use.upright) {
        origins.push_back(pdfWidth(-upright.originY, unitsPerEm));
        glyphs.emplace_back(face.pdfCid(glyph), glyph);
    }
    std::sort(glyphs.begin(), glyphs.end());
    const int standardOrigin = mostCommon(origins, 880);
    out += "/DW2[";
    pdf::appendInteger(out, standardOrigin);
    out += " -1000]/W2[";
    for (const auto& [cid, glyph] : glyphs) {
        const UprightGlyph& upright = use.upright.at(glyph);
        const int advance = pdfWidth(upright.advance, unitsPerEm);
        const int originX = pdfWidth(-upright.originX, unitsPerEm);
        const int originY = pdfWidth(-upright.originY, unitsPerEm);
        const int width = pdfWidth(face.advance(glyph), unitsPerEm);
        if (advance == 1000 && originY == standardOrigin && 2 * originX == width) {
            continue;
        }
        pdf::appendInteger(out, cid);
        out += '[';
        pdf::appendInteger(out, -advance);
        out += ' ';
        pdf::appendInteger(out, originX);
        out += ' ';
        pdf::appendInteger(out, originY);
        out += "]\n";
    }
    out += ']';
}

} // namespace

std::string toUnicodeCMap(const FontFace& face, const GlyphUse& use)
{
    std::vector<std::pair<std::uint32_t, char32_t>> entries; // by CID
    for (const auto& [glyph, codePoint] : use.codePoints) {
        if (glyph != 0 && codePoint != 0) {
            entries.emplace_back(face.pdfCid(glyph), codePoint);
        }
    }
    std::sort(entries.begin(), entries.end());
    std::string cmap = "/CIDInit/ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                       "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
                       "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
                       "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n";
    constexpr std::size_t perBlock = 100;
    for (std::size_t start = 0; start < entries.size(); start += perBlock) {
        const std::size_t end = std::min(entries.size(), start + perBlock);
        pdf::appendInteger(cmap, static_cast<long long>(end - start));
        cmap += " beginbfchar\n";
        for (std::size_t i = start; i < end; ++i) {
            cmap += '<';
            pdf::appendGlyphHex(cmap, entries[i].first);
            cmap += "><";
            pdf::appendUtf16Hex(cmap, entries[i].second);
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n";
    return cmap;
}

std::string writePdfFonts(PdfOutput& output, FaceLibrary& library, const PdfFontUse& use)
{
    std::string resources;
    for (std::size_t index = 0; index < use.faces.size(); ++index) {
        if (use.faces[index] == 0) {
            continue;
        }
        const auto id = static_cast<FaceId>(index);
        const FontFace& face = library.face(id);
        const GlyphUse& glyphUse = library.use(id);
        const std::vector<std::uint32_t> glyphs = sortedGlyphs(glyphUse);
        const std::string name = subsetTag(glyphs, face) + face.postScriptName();
        const bool cff = face.hasCffOutlines();

        const int program = output.reserveObject();
        const int descriptor = output.reserveObject();
        const int cidFont = output.reserveObject();
        const int toUnicode = output.reserveObject();

        const std::string subset = subsetProgram(face, glyphs);
        std::string dictionary = "/Filter/FlateDecode";
        if (cff) {
            dictionary += "/Subtype/CIDFontType0C";
        } else {
            dictionary += "/Length1 ";
            pdf::appendInteger(dictionary, static_cast<long long>(subset.size()));
        }
        output.writeStream(program, dictionary, compressZlib(subset, fontLevel));

        std::string text = "<</Type/FontDescriptor/FontName/" + name + "/Flags 4";
        appendFontBox(text, face);
        text += "/ItalicAngle 0/Ascent ";
        pdf::appendInteger(text, pdfWidth(face.ascender(), face.unitsPerEm()));
        text += "/Descent ";
        pdf::appendInteger(text, -pdfWidth(face.descender(), face.unitsPerEm()));
        text += "/CapHeight ";
        pdf::appendInteger(text, pdfWidth(capHeightOf(face), face.unitsPerEm()));
        text += "/StemV 80";
        text += cff ? "/FontFile3 " : "/FontFile2 ";
        pdf::appendInteger(text, program);
        text += " 0 R>>";
        output.beginObject(descriptor);
        output.write(text);
        output.endObject();

        text = cff ? "<</Type/Font/Subtype/CIDFontType0/BaseFont/" : "<</Type/Font/Subtype/CIDFontType2/BaseFont/";
        text += name;
        text += "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor ";
        pdf::appendInteger(text, descriptor);
        text += " 0 R";
        appendWidths(text, face, glyphs);
        if ((use.faces[index] & PdfFontUse::Vertical) != 0) {
            appendVerticalMetrics(text, face, glyphUse);
        }
        if (!cff) {
            text += "/CIDToGIDMap/Identity";
        }
        text += ">>";
        output.beginObject(cidFont);
        output.write(text);
        output.endObject();

        output.writeStream(toUnicode, "/Filter/FlateDecode", compressZlib(toUnicodeCMap(face, glyphUse), fontLevel));

        for (const std::uint8_t mode : { PdfFontUse::Horizontal, PdfFontUse::Vertical }) {
            if ((use.faces[index] & mode) == 0) {
                continue;
            }
            const bool vertical = mode == PdfFontUse::Vertical;
            const int type0 = output.reserveObject();
            text = "<</Type/Font/Subtype/Type0/BaseFont/" + name;
            text += vertical ? "/Encoding/Identity-V" : "/Encoding/Identity-H";
            text += "/DescendantFonts[";
            pdf::appendInteger(text, cidFont);
            text += " 0 R]/ToUnicode ";
            pdf::appendInteger(text, toUnicode);
            text += " 0 R>>";
            output.beginObject(type0);
            output.write(text);
            output.endObject();

            resources += vertical ? "/V" : "/F";
            pdf::appendInteger(resources, id);
            resources += ' ';
            pdf::appendInteger(resources, type0);
            resources += " 0 R";
        }
    }
    return resources;
}

} // namespace vantolex
