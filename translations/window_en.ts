<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sk">
<context>
    <name>OkCancelButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zrušiť</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Súbor s nastaveniami %1 sa nedá prečítať. Program použije predvolené nastavenia a súbor nezmení.</source>
        <translation>The settings file %1 cannot be read. Zorna will use the default settings and leave the file as it is.</translation>
    </message>
    <message>
        <source>Nastavenia sa nepodarilo uložiť do súboru %1. Zmeny nastavení sa stratia pri ukončení programu.</source>
        <translation>The settings could not be saved to the file %1. Changes to the settings will be lost when Zorna closes.</translation>
    </message>
</context>
<context>
    <name>zorna::app::TMainZorna</name>
    <message>
        <source>kombinovať farby</source>
        <translation>blend colors</translation>
    </message>
    <message>
        <source>prekryť obrázkom</source>
        <translation>cover with picture</translation>
    </message>
    <message>
        <source>transparentne (biela)</source>
        <translation>transparent (white)</translation>
    </message>
    <message>
        <source>transparentne (pixel 1,1)</source>
        <translation>transparent (pixel 1,1)</translation>
    </message>
    <message>
        <source>transparentne (pixel max, max)</source>
        <translation>transparent (pixel max, max)</translation>
    </message>
    <message>
        <source>orezať okraje (od 1,1)</source>
        <translation>trim edges (from 1,1)</translation>
    </message>
    <message>
        <source>orezať okraje (od max, max)</source>
        <translation>trim edges (from max, max)</translation>
    </message>
    <message>
        <source>orezať okraje (od 1,1 a max, max)</source>
        <translation>trim edges (from 1,1 and max, max)</translation>
    </message>
    <message>
        <source>Nastaviť ako podklad</source>
        <translation>Set as Background</translation>
    </message>
    <message>
        <source>vlastný</source>
        <translation>custom</translation>
    </message>
    <message>
        <source>Tieň a obrys obrázka</source>
        <translation>Shadow and Outline</translation>
    </message>
    <message>
        <source>Upraviť obrázok</source>
        <translation>Edit Picture</translation>
    </message>
    <message>
        <source>Vstup</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Lupa</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>Podklad</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Výsledok</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Nahrávajú sa nové obrázky do galérie..</source>
        <translation>Adding new pictures to the gallery...</translation>
    </message>
    <message>
        <source>Nové obrázky sú v galérii.</source>
        <translation>The new pictures are in the gallery.</translation>
    </message>
    <message>
        <source>Nové obrázky sú v galérii. Predošlé sú uložené v %1</source>
        <translation>The new pictures are in the gallery. The previous ones are kept in %1</translation>
    </message>
    <message>
        <source>Prerušenú aktualizáciu galérie sa nepodarilo dokončiť ani vrátiť: %1. Program sa o to pokúsi pri ďalšom spustení.</source>
        <translation>An interrupted gallery update could be neither finished nor undone: %1. Zorna will try again the next time it starts.</translation>
    </message>
    <message>
        <source>Aktualizácia galérie (Data/zorna.mk) bola poškodená, a preto sa nenainštalovala. Galéria zostala taká, aká bola.</source>
        <translation>The gallery update (Data/zorna.mk) is damaged, so it was not installed. The gallery is as it was.</translation>
    </message>
    <message>
        <source>Aktualizáciu galérie (Data/zorna.mk) sa nepodarilo nainštalovať: %1. Galéria zostala taká, aká bola, a balík zostal na ďalší pokus.</source>
        <translation>The gallery update (Data/zorna.mk) could not be installed: %1. The gallery is as it was, and the update is kept for another try.</translation>
    </message>
    <message>
        <source>Odomknúť: vstupná veľkosť sa nastaví zvlášť</source>
        <translation>Unlock: set the input size separately</translation>
    </message>
    <message>
        <source>Zamknúť: vstupná veľkosť sa bude riadiť výstupnou</source>
        <translation>Lock: the input size follows the output size</translation>
    </message>
    <message>
        <source>Zapnúť hladké zväčšovanie</source>
        <translation>Turn on smooth enlarging</translation>
    </message>
    <message>
        <source>Vypnúť hladké zväčšovanie</source>
        <translation>Turn off smooth enlarging</translation>
    </message>
    <message>
        <source>mód %1</source>
        <translation>mode %1</translation>
    </message>
    <message>
        <source>Odomkli ste úpravu veľkosťi snímajúceho okna. Teraz môžete meniť jeho veľkosť nezávisle na veľkosti výsledného obrázku.</source>
        <translation>You have unlocked the size of the picking frame. You can now change it independently of the size of the resulting picture.</translation>
    </message>
    <message>
        <source>Zamkli ste úpravu veľkosťi snímajúceho okna. Teraz nie je možné upravovať jeho veľkosť. Veľkosť snímajúceho okna sa automaticky mení podľa nastavenia veľkosti výsledného obrázku.</source>
        <translation>You have locked the size of the picking frame. Its size can no longer be changed by hand: it follows the size chosen for the resulting picture.</translation>
    </message>
    <message>
        <source>Pridať vytvorený obrázok do galérie</source>
        <translation>Add the picture to the gallery</translation>
    </message>
    <message>
        <source>Máte nastavenú oblasť obrazovky menšiu ako 800 x 600. Odporúča sa používať minimálne takúto veľkosť, aby boli všetky obrázky v galérii viditeľné.</source>
        <translation>Your screen is smaller than 800 x 600. At least that size is recommended so that all the pictures in the gallery can be seen.</translation>
    </message>
    <message>
        <source>Vľavo dolu si vyberte kategóriu a potom klknite na vybraný obrázok.</source>
        <translation>Choose a category at the bottom left, then click the picture you want.</translation>
    </message>
    <message>
        <source>Najskôr vyberte sekciu v galérii, do ktorej chcete svoj obrázok pridať!</source>
        <translation>First choose the gallery section to add your picture to.</translation>
    </message>
    <message>
        <source>Do galérie môžete pridávať iba obrázky o veľkosti 32 x 32 alebo 64 x 64 pixlov!</source>
        <translation>Only pictures of 32 x 32 or 64 x 64 pixels can be added to the gallery.</translation>
    </message>
    <message>
        <source>Obrázok sa nedá pridať do galérie: do priečinka %1 sa nedá zapisovať.</source>
        <translation>The picture cannot be added to the gallery: the folder %1 is not writable.</translation>
    </message>
    <message>
        <source>Obrázky takejto veľkosti vo vybranej sekcii ešte neexistujú.<byte value="xd"/>Chcete obrázok i napriek tomu pridať?</source>
        <translation>The chosen section has no pictures of this size yet.<byte value="xd"/>Do you want to add the picture anyway?</translation>
    </message>
    <message>
        <source>Pridať vytvorený obrázok do galérie?</source>
        <translation>Add the picture to the gallery?</translation>
    </message>
    <message>
        <source>Použiť obrázok</source>
        <translation>Use Picture</translation>
    </message>
    <message>
        <source>Dať obrázok len na plochu</source>
        <translation>Put Picture on Screen Only</translation>
    </message>
    <message>
        <source>1 súbor nebol posunutý (nové meno je obsadené alebo neplatné).</source>
        <translation>1 file was not moved (its new name is taken or not valid).</translation>
    </message>
    <message>
        <source>%1 súbory neboli posunuté (nové mená sú obsadené alebo neplatné).</source>
        <translation>%1 files were not moved (their new names are taken or not valid).</translation>
    </message>
    <message>
        <source>%1 súborov nebolo posunutých (nové mená sú obsadené alebo neplatné).</source>
        <translation>%1 files were not moved (their new names are taken or not valid).</translation>
    </message>
    <message>
        <source>Nastavte veľkosť posuvu!</source>
        <translation>Set how far to move the files.</translation>
    </message>
    <message>
        <source>Info.txt bol vytvorený v adresáry DATA</source>
        <translation>Info.txt has been created in the DATA folder</translation>
    </message>
    <message>
        <source>Obrázky boli skomprimované do súboru %1.</source>
        <translation>The pictures have been packed into the file %1.</translation>
    </message>
    <message>
        <source>Žiadny skin nebol skomprimovaný.</source>
        <translation>No skin was packed.</translation>
    </message>
    <message>
        <source>Skiny boli skomprimované do súborov:
%1</source>
        <translation>The skins have been packed into the files:
%1</translation>
    </message>
    <message>
        <source>Symbolické odkazy sa nezbalili:
%1</source>
        <translation>Symbolic links were not packed:
%1</translation>
    </message>
    <message>
        <source>Zobrazili ste tajné menu programu. Prosím uzatvorte ho, pretože toto menu slúži len autorovi a po vykonaní nejakej akcie na Vašom počítači by mohlo dôjsť ku kritickej chybe.</source>
        <translation>You have opened the program&apos;s secret menu. Please close it: this menu is meant for the author only, and using it on your computer could cause a critical error.</translation>
    </message>
    <message>
        <source>Načítaj ListBox</source>
        <translation>Load List</translation>
    </message>
    <message>
        <source>od</source>
        <translation>from</translation>
    </message>
    <message>
        <source>po</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Zavrieť tajné menu</source>
        <translation>Close Secret Menu</translation>
    </message>
    <message>
        <source>Posuň súbory</source>
        <translation>Move Files</translation>
    </message>
    <message>
        <source>o pozíciu</source>
        <translation>by places</translation>
    </message>
    <message>
        <source>Zakóduj obrázky</source>
        <translation>Encode Pictures</translation>
    </message>
    <message>
        <source>Zostávajúci čas:</source>
        <translation>Time left:</translation>
    </message>
    <message>
        <source>Vytvor info.txt pre sťahovanie z netu</source>
        <translation>Create info.txt for Downloads</translation>
    </message>
    <message>
        <source>Skomprimuj obrázky</source>
        <translation>Pack Pictures</translation>
    </message>
    <message>
        <source>Skomprimuj skiny</source>
        <translation>Pack Skins</translation>
    </message>
    <message>
        <source>Súradnica x</source>
        <translation>x coordinate</translation>
    </message>
    <message>
        <source>Súradnica y</source>
        <translation>y coordinate</translation>
    </message>
    <message>
        <source>+ x</source>
        <translation>+ x</translation>
    </message>
    <message>
        <source>+ y</source>
        <translation>+ y</translation>
    </message>
    <message>
        <source>posuň</source>
        <translation>move</translation>
    </message>
    <message>
        <source>Dať obrázok na plochu</source>
        <translation>Put Picture on Screen</translation>
    </message>
    <message>
        <source>Vložiť obrázok zo súboru</source>
        <translation>Insert Picture from File</translation>
    </message>
    <message>
        <source>Teraz umiestnite kurzor myši na obrázok a kliknite naň.</source>
        <translation>Now point at the picture with the mouse and click it.</translation>
    </message>
    <message>
        <source>Pootočiť</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Preklopiť vodorovne</source>
        <translation>Flip horizontally</translation>
    </message>
    <message>
        <source>Preklopiť zvislo</source>
        <translation>Flip vertically</translation>
    </message>
    <message>
        <source>Kliknutím na ikonku z disketou obrázok uložíte.<byte value="xd"/>Kliknutím na ikonku vedľa obrázok skopírujete (do schránky).</source>
        <translation>Click the floppy disk icon to save the picture.<byte value="xd"/>Click the icon beside it to copy the picture (to the clipboard).</translation>
    </message>
    <message>
        <source>Výsledný obrázok môžete ešte ďalej upravovať kliknutím naň vo výsledku.</source>
        <translation>You can edit the resulting picture further by clicking it in the result.</translation>
    </message>
    <message>
        <source>Vyhľadať obrázok</source>
        <translation>Find a picture</translation>
    </message>
    <message>
        <source>Snímať napísaný text</source>
        <translation>Capture typed text</translation>
    </message>
    <message>
        <source>Zmeniť font textu</source>
        <translation>Change the text font</translation>
    </message>
    <message>
        <source>Nájsť ďalšiu kategóriu</source>
        <translation>Find the next category</translation>
    </message>
    <message>
        <source>Nakresliť text na obrazovku</source>
        <translation>Draw the text on the screen</translation>
    </message>
    <message>
        <source>Kliknutím kdekoľvek na obrazovku myšou získate obrázok.</source>
        <translation>Click anywhere on the screen to get a picture.</translation>
    </message>
    <message>
        <source>Minimalizovať</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Ukončiť program</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>O programe</source>
        <translation>About Zorna</translation>
    </message>
    <message>
        <source>Presunúť okno</source>
        <translation>Move the window</translation>
    </message>
    <message>
        <source>Kopírovať do schránky</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Uložiť do súboru</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Obrázok z galérie</source>
        <translation>Picture from the gallery</translation>
    </message>
    <message>
        <source>Zmeniť vzhľad</source>
        <translation>Change the look</translation>
    </message>
</context>
<context>
    <name>zorna::app::TextFontDialog</name>
    <message>
        <source>Písmo</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Farba:</source>
        <translation>Color:</translation>
    </message>
</context>
</TS>
