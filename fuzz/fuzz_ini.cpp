// Any bytes as the settings file: reading ends without a crash, a value written and saved reads
// back, writing it again changes nothing, and the other keys the program reads keep their values.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scratch_folder.h"
#include "settings/ini_file.h"

namespace {

struct Key {
  const char* section;
  const char* key;
};
// Keys of the program's own sections; the first is the one written.
constexpr Key kKeys[] = {{"Obrázok", "Výstup"}, {"Obrázok", "Uložiť ako"},
                         {"Lupa", "Veľkosť"},   {"Veľkosti okien", "Vstup"},
                         {"Skin", "Meno"},      {"Dialóg", "1"}};

std::string ReadAll(const zorna::IniFile& ini, size_t from) {
  std::string values;
  for (size_t i = from; i < std::size(kKeys); ++i) {
    values += ini.ReadString(kKeys[i].section, kKeys[i].key, "(none)") + '\n';
    values += std::to_string(ini.ReadInteger(kKeys[i].section, kKeys[i].key, -12345)) + '\n';
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchFolder scratch("zorna-fuzz-ini");
  const std::filesystem::path path = scratch.Path() / "Zorna.ini";
  WriteBytes(path, data, size);
  const Key& written = kKeys[0];
  std::string others;
  {
    zorna::IniFile ini(path);
    others = ReadAll(ini, 1);
    ini.WriteInteger(written.section, written.key, 7);
    ini.Save();
  }
  zorna::IniFile again(path);
  if (again.ReadInteger(written.section, written.key, -1) != 7) std::abort();
  if (ReadAll(again, 1) != others) std::abort();
  again.WriteInteger(written.section, written.key, 7);
  if (again.Modified()) std::abort();
  return 0;
}
