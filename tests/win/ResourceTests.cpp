// Reads the resources of both built executables as data and checks them against what the program ships.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kKorean = MAKELANGID(LANG_KOREAN, SUBLANG_DEFAULT);

struct Build {
  const char* name;
  const char* pathVariable;
  const char* architecture;
};

const Build kBuilds[] = {
    {"Win32", "TESSELLARIUM_EXE_32", "X86"},
    {"Win64", "TESSELLARIUM_EXE_64", "amd64"},
};

void PrintTo(const Build& build, std::ostream* out) { *out << build.name; }

std::string ExecutablePath(const Build& build) {
  const char* path = std::getenv(build.pathVariable);
  if (path == nullptr) {
    throw std::runtime_error(std::string(build.pathVariable) + " is not set");
  }
  return path;
}

// Frees the module on every path out of a test.
class DataModule {
public:
  explicit DataModule(const std::string& path) : m_module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
    if (m_module == nullptr) {
      throw std::runtime_error("cannot load " + path + " as data, error " + std::to_string(GetLastError()));
    }
  }
  ~DataModule() { FreeLibrary(m_module); }
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;

  // Only when the resource exists in this language alone: FindResourceEx falls back to other languages.
  std::string_view Bytes(LPCSTR type, WORD id, WORD language) const {
    HRSRC found = FindResourceExA(m_module, type, MAKEINTRESOURCEA(id), language);
    if (found == nullptr || Languages(type, id) != std::vector<WORD>{language}) {
      throw std::runtime_error("resource " + std::to_string(id) + " is not in language " + std::to_string(language) + " alone");
    }
    return {static_cast<const char*>(LockResource(LoadResource(m_module, found))), SizeofResource(m_module, found)};
  }

  std::vector<WORD> Languages(LPCSTR type, WORD id) const {
    std::vector<WORD> languages;
    EnumResourceLanguagesA(m_module, type, MAKEINTRESOURCEA(id), AddLanguage, reinterpret_cast<LONG_PTR>(&languages));
    return languages;
  }

private:
  static BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
  }

  HMODULE m_module;
};

// Little-endian reader over a resource; running past its end is a fault of the resource.
class ByteReader {
public:
  explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

  std::uint8_t Byte() { return static_cast<std::uint8_t>(Take(1)[0]); }
  std::uint16_t Word() {
    std::uint16_t value;
    std::memcpy(&value, Take(2).data(), 2);
    return value;
  }
  std::uint32_t Dword() {
    std::uint32_t value;
    std::memcpy(&value, Take(4).data(), 4);
    return value;
  }
  std::int16_t Short() { return static_cast<std::int16_t>(Word()); }

  std::string Text() {
    std::wstring text;
    for (std::uint16_t unit = Word(); unit != 0; unit = Word()) {
      text.push_back(static_cast<wchar_t>(unit));
    }
    return Utf8(text);
  }

  // An empty name, an ordinal written as "#n", or a text.
  std::string NameOrOrdinal() {
    const std::uint16_t first = Word();
    if (first == 0x0000) {
      return "";
    }
    if (first == 0xFFFF) {
      return "#" + std::to_string(Word());
    }
    m_position -= 2;
    return Text();
  }

  // Offsets count from the start of the resource, which itself sits on a DWORD boundary.
  void AlignToDword() {
    Take(((m_position + 3) & ~std::size_t{3}) - m_position);
  }
  std::size_t Remaining() const { return m_bytes.size() - m_position; }

private:
  std::string_view Take(std::size_t count) {
    if (count > Remaining()) {
      throw std::runtime_error("resource ends early at offset " + std::to_string(m_position));
    }
    std::string_view taken = m_bytes.substr(m_position, count);
    m_position += count;
    return taken;
  }

  static std::string Utf8(const std::wstring& text) {
    if (text.empty()) {
      return {};
    }
    const int size = static_cast<int>(text.size());
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
  }

  std::string_view m_bytes;
  std::size_t m_position = 0;
};

class ResourceTest : public testing::TestWithParam<Build> {
protected:
  const std::string m_path = ExecutablePath(GetParam());
  const DataModule m_module{m_path};
};

std::string BuildName(const testing::TestParamInfo<Build>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Builds, ResourceTest, testing::ValuesIn(kBuilds), BuildName);

struct Placement {
  const char* what;
  LPCSTR type;
  WORD id;
  WORD language;
};

TEST_P(ResourceTest, EachResourceExistsOnceInItsLanguage) {
  const Placement placements[] = {
      {"icon group", RT_GROUP_ICON, 128, kKorean},
      {"icon image", RT_ICON, 1, kKorean},
      {"manifest", RT_MANIFEST, 1, kEnglishUs},
      {"version block", RT_VERSION, 1, kEnglishUs},
      {"dialog template", RT_DIALOG, 102, kEnglishUs},
  };
  for (const Placement& placement : placements) {
    EXPECT_EQ(m_module.Languages(placement.type, placement.id), std::vector<WORD>{placement.language}) << placement.what;
  }
}

class VersionBlock {
public:
  explicit VersionBlock(const std::string& path) {
    DWORD ignored = 0;
    m_block.resize(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    if (m_block.empty() || !GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(m_block.size()), m_block.data())) {
      throw std::runtime_error("no version block in " + path);
    }
  }

  std::string_view Value(const std::string& subBlock) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(m_block.data(), subBlock.c_str(), &value, &length)) {
      throw std::runtime_error("no " + subBlock + " in the version block");
    }
    return {static_cast<const char*>(value), length};
  }

private:
  std::vector<char> m_block;
};

TEST_P(ResourceTest, VersionBlockFixedPart) {
  VersionBlock block(m_path);
  const std::string_view bytes = block.Value("\\");
  ASSERT_EQ(bytes.size(), sizeof(VS_FIXEDFILEINFO));
  VS_FIXEDFILEINFO info;
  std::memcpy(&info, bytes.data(), sizeof info);
  EXPECT_EQ(info.dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(info.dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(info.dwFileVersionLS, 0x00000001u);
  EXPECT_EQ(info.dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(info.dwProductVersionLS, 0x00000001u);
  EXPECT_EQ(info.dwFileFlagsMask, 0x3Fu);
  EXPECT_EQ(info.dwFileFlags, 0x28u) << "private build and special build";
  EXPECT_EQ(info.dwFileOS, 4u) << "32-bit Windows";
  EXPECT_EQ(info.dwFileType, 1u) << "application";
  EXPECT_EQ(info.dwFileSubtype, 0u);
  EXPECT_EQ(info.dwFileDateMS, 0u);
  EXPECT_EQ(info.dwFileDateLS, 0u);
}

TEST_P(ResourceTest, VersionBlockTextsAndTranslation) {
  const std::pair<const char*, const char*> texts[] = {
      {"Comments", "Tessellarium Control Panel "},
      {"FileDescription", "Tessellarium Control Panel "},
      {"FileVersion", "1.0.0.1"},
      {"LegalTrademarks", "Tessellarium Control Panel "},
      {"PrivateBuild", "74"},
      {"ProductName", "Tessellarium Control Panel "},
      {"ProductVersion", "1.0.0.1"},
      {"SpecialBuild", "2006-5-22"},
  };
  VersionBlock block(m_path);
  for (const auto& [key, text] : texts) {
    // Up to the NUL: the length VerQueryValueA reports differs between systems.
    EXPECT_EQ(std::string(block.Value(std::string("\\StringFileInfo\\040904e4\\") + key).data()), text) << key;
  }
  ByteReader translation(block.Value("\\VarFileInfo\\Translation"));
  EXPECT_EQ(translation.Word(), 0x0409);
  EXPECT_EQ(translation.Word(), 0x04E4);
  EXPECT_EQ(translation.Remaining(), 0u) << "one translation entry";
}

struct XmlElement {
  std::string path;
  std::map<std::string, std::string> attributes;
  std::string text;

  bool operator==(const XmlElement& other) const {
    return std::tie(path, attributes, text) == std::tie(other.path, other.attributes, other.text);
  }
};

void PrintTo(const XmlElement& element, std::ostream* out) {
  *out << element.path;
  for (const auto& [name, value] : element.attributes) {
    *out << ' ' << name << "=\"" << value << '"';
  }
  if (!element.text.empty()) {
    *out << " text \"" << element.text << '"';
  }
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  return first == std::string_view::npos ? std::string_view{} : text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Enough XML for a manifest: elements with their nesting, attributes in double quotes, and leading text.
std::vector<XmlElement> ScanElements(std::string_view xml) {
  std::vector<XmlElement> elements;
  std::vector<std::string> open;
  for (std::size_t start = xml.find('<'); start != std::string_view::npos; start = xml.find('<', start)) {
    const std::size_t end = xml.find('>', start);
    if (end == std::string_view::npos) {
      throw std::runtime_error("unterminated tag");
    }
    std::string_view tag = xml.substr(start + 1, end - start - 1);
    start = end + 1;
    if (tag.empty()) {
      throw std::runtime_error("empty tag");
    }
    if (tag.front() == '/') {
      if (open.empty() || open.back() != tag.substr(1)) {
        throw std::runtime_error("unbalanced </" + std::string(tag.substr(1)) + ">");
      }
      open.pop_back();
      continue;
    }
    const bool selfClosing = tag.back() == '/' || tag.back() == '?';
    if (selfClosing) {
      tag.remove_suffix(1);
    }
    XmlElement element;
    const std::string name(tag.substr(0, tag.find_first_of(" \t\r\n")));
    for (const std::string& parent : open) {
      element.path += parent + '/';
    }
    element.path += name;
    for (std::string_view rest = Trim(tag.substr(name.size())); !rest.empty();) {
      const std::size_t equals = rest.find("=\"");
      const std::size_t close = rest.find('"', equals + 2);
      if (equals == std::string_view::npos || close == std::string_view::npos) {
        throw std::runtime_error("malformed attribute in <" + name + ">");
      }
      element.attributes[std::string(rest.substr(0, equals))] = std::string(rest.substr(equals + 2, close - equals - 2));
      rest = Trim(rest.substr(close + 1));
    }
    element.text = std::string(Trim(xml.substr(start, xml.find('<', start) - start)));
    elements.push_back(element);
    if (!selfClosing) {
      open.push_back(name);
    }
  }
  if (!open.empty()) {
    throw std::runtime_error("<" + open.back() + "> is never closed");
  }
  return elements;
}

std::string ManifestText(const DataModule& module) { return std::string(module.Bytes(RT_MANIFEST, 1, kEnglishUs)); }

TEST_P(ResourceTest, ManifestAsksForCommonControls6OfItsOwnArchitecture) {
  const std::string architecture = GetParam().architecture;
  const std::vector<XmlElement> expected = {
      {"?xml", {{"version", "1.0"}, {"encoding", "UTF-8"}, {"standalone", "yes"}}, ""},
      {"assembly", {{"xmlns", "urn:schemas-microsoft-com:asm.v1"}, {"manifestVersion", "1.0"}}, ""},
      {"assembly/assemblyIdentity",
       {{"version", "1.0.0.0"},
        {"processorArchitecture", architecture},
        {"name", "Microsoft.Windows.TessellariumControlPanel"},
        {"type", "win32"}},
       ""},
      {"assembly/description", {}, "Your app description here"},
      {"assembly/dependency", {}, ""},
      {"assembly/dependency/dependentAssembly", {}, ""},
      {"assembly/dependency/dependentAssembly/assemblyIdentity",
       {{"type", "win32"},
        {"name", "Microsoft.Windows.Common-Controls"},
        {"version", "6.0.0.0"},
        {"processorArchitecture", architecture},
        {"publicKeyToken", "6595b64144ccf1df"},
        {"language", "*"}},
       ""},
  };
  const std::string text = ManifestText(m_module);
  EXPECT_EQ(text.rfind("<?xml", 0), 0u) << "the declaration comes first, with no byte-order mark";
  EXPECT_EQ(ScanElements(text), expected);
}

TEST(ResourceManifests, DifferOnlyInTheArchitecture) {
  const DataModule win32(ExecutablePath(kBuilds[0]));
  const DataModule win64(ExecutablePath(kBuilds[1]));
  std::string text = ManifestText(win32);
  const std::string from = "processorArchitecture=\"X86\"";
  const std::string to = "processorArchitecture=\"amd64\"";
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  EXPECT_EQ(text, ManifestText(win64));
}

constexpr DWORD kCheckBox = 0x50011003;
constexpr DWORD kLabel = 0x50020000;
constexpr DWORD kNoId = 0xFFFFFFFF;

struct DialogControl {
  DWORD style;
  std::int16_t x, y, cx, cy;
  DWORD id;
  std::string windowClass;
  std::string text;
  DWORD exStyle = 0;
  DWORD helpId = 0;
  std::uint16_t extraBytes = 0;

  bool operator==(const DialogControl& other) const {
    return std::tie(style, x, y, cx, cy, id, windowClass, text, exStyle, helpId, extraBytes) ==
           std::tie(other.style, other.x, other.y, other.cx, other.cy, other.id, other.windowClass, other.text,
                    other.exStyle, other.helpId, other.extraBytes);
  }
};

void PrintTo(const DialogControl& control, std::ostream* out) {
  *out << std::hex << "style 0x" << control.style << " exstyle 0x" << control.exStyle << std::dec << " at " << control.x
       << ',' << control.y << " size " << control.cx << 'x' << control.cy << " id " << static_cast<std::int32_t>(control.id)
       << " class " << control.windowClass << " text \"" << control.text << "\" help " << control.helpId << " extra "
       << control.extraBytes;
}

// The dialog manager takes the predefined classes by ordinal or by name, in any case.
std::string ClassName(const std::string& written) {
  if (written == "#128") {
    return "button";
  }
  if (written == "#130") {
    return "static";
  }
  std::string lower = written;
  for (char& c : lower) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return lower;
}

DialogControl ReadControl(ByteReader& reader) {
  reader.AlignToDword();
  DialogControl control{};
  control.helpId = reader.Dword();
  control.exStyle = reader.Dword();
  control.style = reader.Dword();
  control.x = reader.Short();
  control.y = reader.Short();
  control.cx = reader.Short();
  control.cy = reader.Short();
  control.id = reader.Dword();
  control.windowClass = ClassName(reader.NameOrOrdinal());
  control.text = reader.NameOrOrdinal();
  control.extraBytes = reader.Word();
  for (std::uint16_t i = 0; i < control.extraBytes; ++i) {
    reader.Byte();
  }
  return control;
}

struct DialogHeader {
  std::uint16_t version, signature;
  DWORD helpId, exStyle, style;
  std::uint16_t controls;
  std::int16_t x, y, cx, cy;
  std::string menu, windowClass, caption;
  std::uint16_t pointSize = 0, weight = 0;
  std::uint8_t italic = 0, charset = 0;
  std::string face;
};

// The font fields are present only with DS_SETFONT.
DialogHeader ReadHeader(ByteReader& reader) {
  DialogHeader header{};
  header.version = reader.Word();
  header.signature = reader.Word();
  header.helpId = reader.Dword();
  header.exStyle = reader.Dword();
  header.style = reader.Dword();
  header.controls = reader.Word();
  header.x = reader.Short();
  header.y = reader.Short();
  header.cx = reader.Short();
  header.cy = reader.Short();
  header.menu = reader.NameOrOrdinal();
  header.windowClass = reader.NameOrOrdinal();
  header.caption = reader.Text();
  if (header.style & DS_SETFONT) {
    header.pointSize = reader.Word();
    header.weight = reader.Word();
    header.italic = reader.Byte();
    header.charset = reader.Byte();
    header.face = reader.Text();
  }
  return header;
}

ByteReader DialogTemplate(const DataModule& module) {
  const std::string_view bytes = module.Bytes(RT_DIALOG, 102, kEnglishUs);
  if (reinterpret_cast<std::uintptr_t>(bytes.data()) % 4 != 0) {
    throw std::runtime_error("the dialog template is not DWORD-aligned");
  }
  return ByteReader(bytes);
}

TEST_P(ResourceTest, DialogTemplateHeader) {
  ByteReader reader = DialogTemplate(m_module);
  const DialogHeader header = ReadHeader(reader);
  EXPECT_EQ(header.version, 1) << "extended template";
  EXPECT_EQ(header.signature, 0xFFFF) << "extended template";
  EXPECT_EQ(header.helpId, 0u);
  EXPECT_EQ(header.exStyle, 0x00040000u);
  EXPECT_EQ(header.style, 0x90C800C8u);
  EXPECT_EQ(header.controls, 18);
  EXPECT_EQ(header.x, 0);
  EXPECT_EQ(header.y, 0);
  EXPECT_EQ(header.cx, 270);
  EXPECT_EQ(header.cy, 193);
  EXPECT_EQ(header.menu, "");
  EXPECT_EQ(header.windowClass, "");
  EXPECT_EQ(header.caption, "Tessellarium Control Panel");
  EXPECT_EQ(header.pointSize, 8);
  EXPECT_EQ(header.weight, 0);
  EXPECT_EQ(header.italic, 0);
  EXPECT_EQ(header.charset, 1);
  EXPECT_EQ(header.face, "MS Shell Dlg");
}

TEST_P(ResourceTest, DialogTemplateControls) {
  const DialogControl expected[] = {
      {0x50000007, 7, 7, 256, 147, 1010, "button", "Tessellarium startup execution"},
      {0x50010001, 63, 166, 50, 16, IDOK, "button", "OK"},
      {0x50010000, 155, 166, 50, 16, IDCANCEL, "button", "Cancel"},
      {kCheckBox, 185, 22, 23, 16, 1000, "button", "On"},
      {kCheckBox, 217, 22, 23, 16, 1001, "button", "Off"},
      {kCheckBox, 185, 48, 23, 16, 1002, "button", "On"},
      {kCheckBox, 217, 48, 23, 16, 1003, "button", "Off"},
      {kLabel, 26, 26, 147, 8, kNoId, "static", "Visual Studio 5 addin"},
      {kLabel, 26, 52, 147, 8, kNoId, "static", "Visual Studio 6 addin"},
      {kCheckBox, 185, 73, 23, 16, 1004, "button", "On"},
      {kCheckBox, 217, 73, 23, 16, 1005, "button", "Off"},
      {kLabel, 26, 77, 147, 8, kNoId, "static", "Visual Studio .NET addin"},
      {kCheckBox, 185, 100, 23, 16, 1006, "button", "On"},
      {kCheckBox, 217, 100, 23, 16, 1007, "button", "Off"},
      {kLabel, 26, 104, 147, 8, kNoId, "static", "Visual Studio .NET 2003 addin"},
      {kCheckBox, 185, 127, 23, 16, 1008, "button", "On"},
      {kCheckBox, 217, 127, 23, 16, 1009, "button", "Off"},
      {kLabel | WS_DISABLED, 26, 127, 147, 16, kNoId, "static",
       "Visual Studio 2005 addin (Visual Studio 2005 add-in cannot control on this panel)"},
  };
  ByteReader reader = DialogTemplate(m_module);
  ASSERT_EQ(ReadHeader(reader).controls, std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(ReadControl(reader), expected[i]) << "control " << i + 1;
  }
  EXPECT_LT(reader.Remaining(), 4u) << "nothing but padding after the last control";
}

TEST_P(ResourceTest, IconGroupHasOne32x32ImageAt24BitsWithAMask) {
  ByteReader group(m_module.Bytes(RT_GROUP_ICON, 128, kKorean));
  EXPECT_EQ(group.Word(), 0) << "reserved";
  EXPECT_EQ(group.Word(), 1) << "icon, not cursor";
  ASSERT_EQ(group.Word(), 1) << "images";
  EXPECT_EQ(group.Byte(), 32) << "width";
  EXPECT_EQ(group.Byte(), 32) << "height";
  EXPECT_EQ(group.Byte(), 0) << "palette colours";
  group.Byte();
  EXPECT_EQ(group.Word(), 1) << "planes";
  EXPECT_EQ(group.Word(), 24) << "bits per pixel";
  const std::uint32_t imageBytes = group.Dword();
  const std::uint16_t imageId = group.Word();
  EXPECT_EQ(group.Remaining(), 0u);

  const std::string_view image = m_module.Bytes(RT_ICON, imageId, kKorean);
  constexpr std::size_t kColourBytes = 32 * 32 * 3;
  constexpr std::size_t kMaskBytes = 32 * 4;
  ASSERT_EQ(image.size(), sizeof(BITMAPINFOHEADER) + kColourBytes + kMaskBytes);
  EXPECT_EQ(imageBytes, image.size()) << "the group's size of the image";
  BITMAPINFOHEADER header;
  std::memcpy(&header, image.data(), sizeof header);
  EXPECT_EQ(header.biSize, sizeof header);
  EXPECT_EQ(header.biWidth, 32);
  EXPECT_EQ(header.biHeight, 64) << "the colour image and its mask";
  EXPECT_EQ(header.biPlanes, 1);
  EXPECT_EQ(header.biBitCount, 24);
  EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
}

}  // namespace
