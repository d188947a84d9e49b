<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sk">
<context>
    <name>ClipboardKeeper</name>
    <message>
        <source>Skopírovaný obrázok po skončení programu zo schránky zmizne: tento desktop nedovolí inému programu podržať ho v schránke.</source>
        <translation>The copied picture leaves the clipboard when the program ends: this desktop lets no other program keep it there.</translation>
    </message>
</context>
<context>
    <name>HandlerGuard</name>
    <message>
        <source>Nastala neznáma chyba.</source>
        <translation>An unknown error occurred.</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Správu pre „%1“ sa nepodarilo napísať: nedá sa spustiť žiadny program na elektronickú poštu ani program xdg-open. Nainštalujte program na poštu a balík xdg-utils.</source>
        <translation>Could not write a message to “%1”: neither a mail program nor xdg-open can be started. Install a mail program and the xdg-utils package.</translation>
    </message>
    <message>
        <source>Stránku „%1“ sa nepodarilo otvoriť: nedá sa spustiť žiadny webový prehliadač ani program xdg-open. Nainštalujte webový prehliadač a balík xdg-utils.</source>
        <translation>Could not open the page “%1”: neither a web browser nor xdg-open can be started. Install a web browser and the xdg-utils package.</translation>
    </message>
</context>
<context>
    <name>LocalizedDialogs</name>
    <message>
        <source>Otázka</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Správa</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Chyba</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Pozor!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>&amp;Všetko</source>
        <translation>&amp;All</translation>
    </message>
</context>
<context>
    <name>PaintProgram</name>
    <message>
        <source>Premennou prostredia ZORNA_PAINT môžete určiť program, ktorým sa má obrázok upravovať (jeho názov alebo cestu k nemu).</source>
        <translation>You can choose the program that edits the picture with the environment variable ZORNA_PAINT (its name or its path).</translation>
    </message>
    <message>
        <source>Program na úpravu obrázkov „%1“ z premennej prostredia ZORNA_PAINT sa nenašiel alebo sa nedá spustiť.
</source>
        <translation>The picture editor “%1” named by the environment variable ZORNA_PAINT was not found or cannot be started.
</translation>
    </message>
    <message>
        <source>Nenašiel sa žiadny program na úpravu obrázkov (kolourpaint, mtpaint, pinta ani gimp). Nainštalujte niektorý z nich.
</source>
        <translation>No picture editor was found (kolourpaint, mtpaint, pinta or gimp). Install one of them.
</translation>
    </message>
    <message>
        <source>Program na úpravu obrázkov „%1“ sa nepodarilo spustiť.
</source>
        <translation>The picture editor “%1” could not be started.
</translation>
    </message>
</context>
<context>
    <name>PictureFilters</name>
    <message>
        <source>Bitmapy (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>Jpeg súbory (*.jpg, *.jpeg)</source>
        <translation>JPEG files (*.jpg, *.jpeg)</translation>
    </message>
    <message>
        <source>JPEG súbory (*.jpg; *.jpeg)</source>
        <translation>JPEG files (*.jpg; *.jpeg)</translation>
    </message>
    <message>
        <source>Zorna (*.ico)</source>
        <translation>Zorna icon (*.ico)</translation>
    </message>
    <message>
        <source>Tlačítko (*.bmp)</source>
        <translation>Button (*.bmp)</translation>
    </message>
    <message>
        <source>Gif súbory (*.gif)</source>
        <translation>GIF files (*.gif)</translation>
    </message>
    <message>
        <source>PNG súbory (*.png)</source>
        <translation>PNG files (*.png)</translation>
    </message>
    <message>
        <source>Ikona s priehľadnosťou (*.ico)</source>
        <translation>Icon with transparency (*.ico)</translation>
    </message>
    <message>
        <source>Všetko (*.jpg;*.jpeg;*.bmp;*.png)</source>
        <translation>All pictures (*.jpg;*.jpeg;*.bmp;*.png)</translation>
    </message>
    <message>
        <source>Obrázky (*.bmp;*.jpg;*.jpeg;*.png)</source>
        <translation>Pictures (*.bmp;*.jpg;*.jpeg;*.png)</translation>
    </message>
</context>
<context>
    <name>SaveResult</name>
    <message>
        <source>Výsledný obrázok je prázdny (0 x 0 bodov), a preto sa nedá %1. Zvoľte veľkosť výsledného obrázka a kliknite na obrazovku.</source>
        <translation>The result picture is empty (0 x 0 pixels), so it cannot be %1. Choose the size of the result picture and click on the screen.</translation>
    </message>
    <message>
        <source>uložiť</source>
        <comment>what an empty result cannot be</comment>
        <translation>saved</translation>
    </message>
    <message>
        <source>skopírovať</source>
        <comment>what an empty result cannot be</comment>
        <translation>copied</translation>
    </message>
</context>
<context>
    <name>ScreenPicture</name>
    <message>
        <source>pracovné prostredie neponúka službu na snímanie obrazovky (xdg-desktop-portal so službou Screenshot). Nainštalujte xdg-desktop-portal a portál pre svoje prostredie.</source>
        <translation>the desktop offers no service for taking screenshots (xdg-desktop-portal with the Screenshot service). Install xdg-desktop-portal and the portal for your desktop.</translation>
    </message>
    <message>
        <source>pracovné prostredie snímanie obrazovky odmietlo; povoľte programu Zorna snímanie obrazovky v nastaveniach súkromia svojho prostredia (alebo na otázku, či smie snímať obrazovku, odpovedzte áno) a spustite ho znova.</source>
        <translation>the desktop refused to take a screenshot; allow Zorna to take screenshots in your desktop&apos;s privacy settings (or answer yes when asked whether it may take a screenshot) and start it again.</translation>
    </message>
    <message>
        <source>pracovné prostredie do %1 %2 neodpovedalo. Ak sa pýtalo, či smie Zorna snímať obrazovku, povoľte to a spustite ju znova; inak skúste prostredie znova prihlásiť (služba xdg-desktop-portal neodpovedá).</source>
        <translation>the desktop did not answer within %1 %2. If it asked whether Zorna may take a screenshot, allow it and start Zorna again; otherwise try logging in to your desktop again (the xdg-desktop-portal service does not answer).</translation>
    </message>
    <message>
        <source>sekundy</source>
        <translation>second</translation>
    </message>
    <message>
        <source>sekúnd</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>súbor so snímkou sa nedá prečítať (%1).</source>
        <translation>the screenshot file cannot be read (%1).</translation>
    </message>
    <message>
        <source>Obrazovku sa nepodarilo odfotiť: %1
Zorna bez obrazu obrazovky nemôže pracovať a teraz sa ukončí.</source>
        <translation>The screen could not be captured: %1
Zorna cannot work without a picture of the screen and will now quit.</translation>
    </message>
</context>
<context>
    <name>UserFolders</name>
    <message>
        <source>Zrušiť</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zorna::app::TDlgIkona</name>
    <message>
        <source>priehľadnú (biela farba)</source>
        <translation>transparent (white)</translation>
    </message>
    <message>
        <source>priehľadnú (farba pixlu 0,0)</source>
        <translation>transparent (pixel 0,0)</translation>
    </message>
    <message>
        <source>priehľadnú (farba pixlu max,max)</source>
        <translation>transparent (pixel max,max)</translation>
    </message>
    <message>
        <source>nepriehľadnú</source>
        <translation>opaque</translation>
    </message>
    <message>
        <source>Ikonu uložiť ako</source>
        <translation>Save the icon as</translation>
    </message>
    <message>
        <source>Uloženie obrázku ako PNG súbor</source>
        <translation>Saving the picture as a PNG file</translation>
    </message>
    <message>
        <source>Obrázok uložiť ako</source>
        <translation>Save the picture as</translation>
    </message>
    <message>
        <source>Uloženie obrázku ako ikona s priehľadnosťou</source>
        <translation>Saving the picture as an icon with transparency</translation>
    </message>
    <message>
        <source>Uloěnie obráku ako ikona</source>
        <translation>Saving the picture as an icon</translation>
    </message>
</context>
<context>
    <name>zorna::app::TDlgJpeg</name>
    <message>
        <source>Uloěnie obrázku ako jpeg súbor</source>
        <translation>Saving the picture as a JPEG file</translation>
    </message>
    <message>
        <source>Originál:</source>
        <translation>Original:</translation>
    </message>
    <message>
        <source>Výsledok:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Veľkosť súboru:</source>
        <translation>File size:</translation>
    </message>
    <message>
        <source>Kompresia:</source>
        <translation>Compression:</translation>
    </message>
</context>
<context>
    <name>zorna::app::TDlgPozadie</name>
    <message>
        <source>Podklad obrázka</source>
        <translation>Picture background</translation>
    </message>
    <message>
        <source>Zmeniť obrázok</source>
        <translation>Change picture</translation>
    </message>
</context>
<context>
    <name>zorna::app::TDlgRozmer</name>
    <message>
        <source>Vlastný rozmer</source>
        <translation>Custom size</translation>
    </message>
    <message>
        <source>Vlastný rozmer strany vstupujúceho štvorca:</source>
        <translation>Custom side of the input square:</translation>
    </message>
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
    <name>zorna::app::TDlgSkin</name>
    <message>
        <source>Vzhľad</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>Zavrieť</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Pridať vzhľad</source>
        <translation>Add a skin</translation>
    </message>
</context>
<context>
    <name>zorna::app::TMailList</name>
    <message>
        <source>Pridanie do mailinglistu.</source>
        <translation>Joining the mailing list</translation>
    </message>
    <message>
        <source>Chcem dostávať pravidelné informácie o novinkách tohoto programu.</source>
        <translation>I want to receive regular news about this program.</translation>
    </message>
    <message>
        <source>Posielajte mi ich na e-mail:</source>
        <translation>Send it to my e-mail:</translation>
    </message>
</context>
<context>
    <name>zorna::app::TOPrograme</name>
    <message>
        <source>O programe</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Elektronická adresa:</source>
        <translation>Web address:</translation>
    </message>
    <message>
        <source>Elektronická pošta:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Zobraziť pomoc</source>
        <translation>Show help</translation>
    </message>
    <message>
        <source>Počet obrázkov vo Vašej galérii:</source>
        <translation>Pictures in your gallery:</translation>
    </message>
    <message>
        <source>Vyše 2000 ikon nájdete na elektronickej adrese autora.</source>
        <translation>Over 2000 icons are waiting on the author&apos;s web site.</translation>
    </message>
    <message>
        <source>Zaujímajú vás informácie o nových verziách programu?</source>
        <translation>Would you like news about new versions of the program?</translation>
    </message>
    <message>
        <source>Stránka sa nenašla</source>
        <translation>Page not found</translation>
    </message>
</context>
<context>
    <name>zorna::app::TUpravit</name>
    <message>
        <source>Upraviť obázok</source>
        <translation>Edit picture</translation>
    </message>
    <message>
        <source>Bez tieňa</source>
        <translation>No shadow</translation>
    </message>
    <message>
        <source>Tieň vpravo dole</source>
        <translation>Shadow to the lower right</translation>
    </message>
    <message>
        <source>Tieň vľavo hore</source>
        <translation>Shadow to the upper left</translation>
    </message>
    <message>
        <source>Tieň vpravo hore</source>
        <translation>Shadow to the upper right</translation>
    </message>
    <message>
        <source>Tieň vľavo dole</source>
        <translation>Shadow to the lower left</translation>
    </message>
    <message>
        <source>Posun:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>Tieň</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Bez orámovania</source>
        <translation>No frame</translation>
    </message>
    <message>
        <source>Orámovať</source>
        <translation>Add a frame</translation>
    </message>
    <message>
        <source>Hrúbka:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Orámovanie:</source>
        <translation>Frame:</translation>
    </message>
</context>
</TS>
