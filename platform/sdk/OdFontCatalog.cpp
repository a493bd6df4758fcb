// Finds and keeps the fonts that styles name: typefaces through fontconfig,
// shape files on the font path, the Roman Simplex stroke font for shape
// files that are not there.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <sstream>

#include <fontconfig/fontconfig.h>

#include "platform/sdk/OdFont.h"
#include "platform/sdk/OdShapeFont.h"
#include "platform/sdk/OdStrokeFont.h"
#include "platform/sdk/OdTrueTypeFont.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdFont, OdRxObject)

namespace {

namespace fs = std::filesystem;

const char* const hershey_roman_simplex = "/usr/share/hershey-fonts/rowmans.jhf";

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool ends_with(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Where fonts are looked for by file name: CADTEXT_FONT_PATH (colon
// separated), then the system's font folders.
std::vector<fs::path> font_folders() {
  std::vector<fs::path> folders;
  if (const char* env = std::getenv("CADTEXT_FONT_PATH")) {
    std::stringstream list(env);
    for (std::string item; std::getline(list, item, ':');)
      if (!item.empty()) folders.emplace_back(item);
  }
  folders.emplace_back("/usr/share/fonts");
  folders.emplace_back("/usr/local/share/fonts");
  return folders;
}

// A file of that name (any case) in the folders, recursively.
std::string find_font_file(const std::string& file_name) {
  const std::string wanted = lower(file_name);
  for (const fs::path& folder : font_folders()) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) continue;
    for (auto it = fs::recursive_directory_iterator(folder, fs::directory_options::skip_permission_denied, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
      if (error) break;
      if (it->is_regular_file(error) && lower(it->path().filename().string()) == wanted)
        return it->path().string();
    }
  }
  return {};
}

struct face_location {
  std::string path;
  int index = 0;
};

// The face fontconfig picks for a family, as any program on the machine
// would get it: unknown names fall back the way fontconfig substitutes.
face_location match_typeface(const std::string& family, bool bold, bool italic) {
  static std::once_flag init;
  std::call_once(init, [] { FcInit(); });
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  face_location location;
  if (match) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) location.path = reinterpret_cast<char*>(file);
    FcPatternGetInteger(match, FC_INDEX, 0, &location.index);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  if (location.path.empty()) throw OdError(eNoFont, "fontconfig found no font for " + family);
  return location;
}

// Loaded fonts by what named them, so each file is read once.
class font_cache {
public:
  template <class Load>
  OdFontPtr get(const std::string& key, Load load) {
    const auto it = m_fonts.find(key);
    if (it != m_fonts.end()) return it->second;
    OdFontPtr font = load();
    m_fonts.emplace(key, font);
    return font;
  }

private:
  std::map<std::string, OdFontPtr> m_fonts;
};

font_cache& cache() {
  static font_cache fonts;
  return fonts;
}

OdFontPtr truetype_font(const std::string& family, bool bold, bool italic) {
  const std::string key = "ttf:" + lower(family) + (bold ? ":b" : "") + (italic ? ":i" : "");
  return cache().get(key, [&] {
    const face_location face = match_typeface(family, bold, italic);
    return cache().get("file:" + face.path + "#" + std::to_string(face.index),
                       [&] { return OdTrueTypeFont::load(face.path, face.index); });
  });
}

OdFontPtr stroke_font() {
  return cache().get("hershey", [] { return OdStrokeFont::loadHershey(hershey_roman_simplex); });
}

// A shape file by name: the real file when it is on the font path and
// readable, else the stroke font.
OdFontPtr shape_font(std::string name) {
  if (!ends_with(lower(name), ".shx")) name += ".shx";
  return cache().get("shx:" + lower(name), [&]() -> OdFontPtr {
    const std::string path = find_font_file(fs::path(name).filename().string());
    if (!path.empty()) {
      if (OdFontPtr font = OdShapeFont::load(path)) return font;
    }
    return stroke_font();
  });
}

// A TrueType font named by its file ("arial.ttf"): the family is the name
// without its extension, as fontconfig knows it.
OdFontPtr truetype_file_font(const std::string& file_name, bool bold, bool italic) {
  const std::string path = find_font_file(fs::path(file_name).filename().string());
  if (!path.empty())
    return cache().get("file:" + path + "#0", [&] { return OdTrueTypeFont::load(path, 0); });
  return truetype_font(fs::path(file_name).stem().string(), bold, italic);
}

}  // namespace

namespace {

// What picks a style's font. A style's names are interned, so their
// addresses tell them apart and no key text is built.
struct style_font_key {
  const OdString* typeface;
  const OdString* file;
  bool shx, bold, italic;
  auto operator<=>(const style_font_key&) const = default;
};

OdFontPtr resolve_by_names(const OdGiTextStyle& style);

}  // namespace

OdFontPtr odResolveFont(const OdGiTextStyle& style, OdDbDatabase*) {
  static std::map<style_font_key, OdFontPtr> resolved;
  const OdTtfDescriptor& ttf = style.ttfDecriptor();
  const style_font_key key{&ttf.typeface(), &style.fileName(), style.isShxFont(), ttf.isBold(), ttf.isItalic()};
  const auto it = resolved.find(key);
  if (it != resolved.end()) return it->second;
  OdFontPtr font = resolve_by_names(style);
  resolved.emplace(key, font);
  return font;
}

namespace {

OdFontPtr resolve_by_names(const OdGiTextStyle& style) {
  const OdTtfDescriptor& ttf = style.ttfDecriptor();
  const std::string file = style.fileName().toUtf8();
  const std::string face = ttf.typeface().toUtf8();
  const bool use_file = !file.empty() && (face.empty() || style.isShxFont());
  if (use_file) {
    if (odIsTrueTypeFileName(style.fileName())) return truetype_file_font(file, ttf.isBold(), ttf.isItalic());
    return shape_font(file);
  }
  // A style naming no font at all draws in the stroke font, like the
  // "Standard" style of a new drawing.
  if (face.empty()) return stroke_font();
  return truetype_font(face, ttf.isBold(), ttf.isItalic());
}

}  // namespace

bool odIsTrueTypeFileName(const OdString& fileName) {
  const std::string extension = lower(fs::path(fileName.toUtf8()).extension().string());
  return extension == ".ttf" || extension == ".otf" || extension == ".ttc";
}

namespace {

OdString family_of_file(const std::string& file) {
  const OdString stem = OdString::fromUtf8(fs::path(file).stem().string());
  OdFontPtr font;
  try {
    font = truetype_file_font(file, false, false);
  } catch (const OdError&) {
    return stem;
  }
  // A file not on the font path resolved through fontconfig by its stem:
  // the stem is what names it.
  const auto* truetype = dynamic_cast<const OdTrueTypeFont*>(font.get());
  if (truetype && lower(fs::path(truetype->fileName().toUtf8()).filename().string()) ==
                      lower(fs::path(file).filename().string()))
    return truetype->familyName();
  return stem;
}

}  // namespace

OdInternedName odTrueTypeFamilyOfFile(const OdInternedName& fileName) {
  // Formats compare fonts often; finding the file searches the font folders.
  static std::map<const OdString*, OdInternedName> families;
  const auto it = families.find(&fileName.str());
  if (it != families.end()) return it->second;
  const OdInternedName family(family_of_file(fileName.str().toUtf8()));
  families.emplace(&fileName.str(), family);
  return family;
}

OdFont* odFallbackFont() {
  static OdFontPtr fallback = truetype_font("DejaVu Sans", false, false);
  return fallback.get();
}
