#pragma once
#include <cstdint>
#include <filesystem>

namespace zorna {

// The keys of "Zorna.ini" and their defaults. Names are UTF-8 here, Windows-1250 on disk.
struct SettingKey {
  const char* section;
  const char* key;
};

namespace settings {
inline constexpr SettingKey kUlozitAko{"Obrázok", "Uložiť ako"};        // text, default "jpg"
inline constexpr SettingKey kZvacsit{"Obrázok", "Zväčšiť"};             // bool, false
inline constexpr SettingKey kVystup{"Obrázok", "Výstup"};               // item index of ComboBox1
inline constexpr SettingKey kVstup{"Obrázok", "Vstup"};                 // item index of ComboBox2
inline constexpr SettingKey kZamok{"Obrázok", "Zámok"};                 // bool, true
inline constexpr SettingKey kRozmer{"Obrázok", "Rozmer"};               // int, 20
inline constexpr SettingKey kLupaVelkost{"Lupa", "Veľkosť"};            // int, 2
inline constexpr SettingKey kPrekrytie{"Pozadie", "Prekrytie"};         // int, 1
inline constexpr SettingKey kPozadieObrazok{"Pozadie", "Obrázok"};      // int, 0
inline constexpr SettingKey kOknoVstup{"Veľkosti okien", "Vstup"};      // int, 100
inline constexpr SettingKey kOknoLupa{"Veľkosti okien", "Lupa"};        // int, caption height
inline constexpr SettingKey kOknoPodklad{"Veľkosti okien", "Podklad"};  // int, caption height
inline constexpr SettingKey kOknoVystup{"Veľkosti okien", "Vystup"};    // int, 100
inline constexpr SettingKey kSkinCislo{"Skin", "Číslo"};                // int, 1
inline constexpr SettingKey kPanelVPravo{"Panel", "V pravo"};           // bool, false
inline constexpr const char* kDialogSection = "Dialóg";                 // hint counters

inline constexpr const char* kDefaultUlozitAko = "jpg";
inline constexpr bool kDefaultZvacsit = false;
inline constexpr bool kDefaultZamok = true;
inline constexpr int32_t kDefaultRozmer = 20;
inline constexpr int32_t kDefaultLupaVelkost = 2;
inline constexpr int32_t kDefaultPrekrytie = 1;
inline constexpr int32_t kDefaultPozadieObrazok = 0;
inline constexpr int32_t kDefaultPanelHeight = 100;
inline constexpr int32_t kDefaultSkinCislo = 1;
inline constexpr bool kDefaultPanelVPravo = false;
}  // namespace settings

// Where "Zorna.ini" lives: $ZORNA_CONFIG_DIR, else $XDG_CONFIG_HOME/zorna, else ~/.config/zorna.
std::filesystem::path SettingsFilePath();

class IniFile;

// The once-only hint counter over the given settings object (the caller opens and saves it):
// false (show the hint) on the first two calls for hint n, true ever after; an unexpected
// stored value shows the hint every time and is left alone.
bool UzZobrazene(IniFile& settings, int n);

}  // namespace zorna
