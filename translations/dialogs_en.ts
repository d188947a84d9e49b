<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sk">
<context>
    <name>HandlerGuard</name>
    <message>
        <location filename="../src/app/platform/handler_guard.cpp" line="25"/>
        <source>Nastala neznáma chyba.</source>
        <translation>An unknown error occurred.</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <location filename="../src/app/platform/links.cpp" line="21"/>
        <source>Správu pre „%1“ sa nepodarilo napísať: nedá sa spustiť žiadny program na elektronickú poštu ani program xdg-open. Nainštalujte program na poštu a balík xdg-utils.</source>
        <translation>Could not write a message to “%1”: neither a mail program nor xdg-open can be started. Install a mail program and the xdg-utils package.</translation>
    </message>
    <message>
        <location filename="../src/app/platform/links.cpp" line="28"/>
        <source>Stránku „%1“ sa nepodarilo otvoriť: nedá sa spustiť žiadny webový prehliadač ani program xdg-open. Nainštalujte webový prehliadač a balík xdg-utils.</source>
        <translation>Could not open the page “%1”: neither a web browser nor xdg-open can be started. Install a web browser and the xdg-utils package.</translation>
    </message>
</context>
<context>
    <name>PaintProgram</name>
    <message>
        <location filename="../src/app/platform/paint_program.cpp" line="16"/>
        <source>Premennou prostredia ZORNA_PAINT môžete určiť program, ktorým sa má obrázok upravovať (jeho názov alebo cestu k nemu).</source>
        <translation>You can choose the program that edits the picture with the environment variable ZORNA_PAINT (its name or its path).</translation>
    </message>
    <message>
        <location filename="../src/app/platform/paint_program.cpp" line="81"/>
        <source>Program na úpravu obrázkov „%1“ z premennej prostredia ZORNA_PAINT sa nenašiel alebo sa nedá spustiť.
</source>
        <translation>The picture editor “%1” named by the environment variable ZORNA_PAINT was not found or cannot be started.
</translation>
    </message>
    <message>
        <location filename="../src/app/platform/paint_program.cpp" line="94"/>
        <source>Nenašiel sa žiadny program na úpravu obrázkov (kolourpaint, mtpaint, pinta ani gimp). Nainštalujte niektorý z nich.
</source>
        <translation>No picture editor was found (kolourpaint, mtpaint, pinta or gimp). Install one of them.
</translation>
    </message>
    <message>
        <location filename="../src/app/platform/paint_program.cpp" line="114"/>
        <source>Program na úpravu obrázkov „%1“ sa nepodarilo spustiť.
</source>
        <translation>The picture editor “%1” could not be started.
</translation>
    </message>
</context>
<context>
    <name>PictureFilters</name>
    <message>
        <location filename="../src/app/platform/picture_filters.cpp" line="13"/>
        <source>Bitmapy (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <location filename="../src/app/platform/picture_filters.cpp" line="14"/>
        <source>Jpeg súbory (*.jpg, *.jpeg)</source>
        <translation>JPEG files (*.jpg, *.jpeg)</translation>
    </message>
    <message>
        <location filename="../src/app/platform/picture_filters.cpp" line="15"/>
        <source>JPEG súbory (*.jpg; *.jpeg)</source>
        <translation>JPEG files (*.jpg; *.jpeg)</translation>
    </message>
    <message>
        <location filename="../src/app/platform/picture_filters.cpp" line="16"/>
        <source>Zorna (*.ico)</source>
        <translation>Zorna icon (*.ico)</translation>
    </message>
    <message>
        <location filename="../src/app/platform/picture_filters.cpp" line="17"/>
        <source>Tlačítko (*.bmp)</source>
        <translation>Button (*.bmp)</translation>
    </message>
    <message>
        <location filename="../src/app/platform/picture_filters.cpp" line="18"/>
        <source>Gif súbory (*.gif)</source>
        <translation>GIF files (*.gif)</translation>
    </message>
    <message>
        <location filename="../src/app/platform/picture_filters.cpp" line="19"/>
        <source>PNG súbory (*.png)</source>
        <translation>PNG files (*.png)</translation>
    </message>
    <message>
        <location filename="../src/app/platform/picture_filters.cpp" line="20"/>
        <source>Ikona s priehľadnosťou (*.ico)</source>
        <translation>Icon with transparency (*.ico)</translation>
    </message>
    <message>
        <location filename="../src/app/platform/picture_filters.cpp" line="21"/>
        <source>Všetko (*.jpg;*.jpeg;*.bmp;*.png)</source>
        <translation>All pictures (*.jpg;*.jpeg;*.bmp;*.png)</translation>
    </message>
    <message>
        <location filename="../src/app/platform/picture_filters.cpp" line="22"/>
        <source>Obrázky (*.bmp;*.jpg;*.jpeg;*.png)</source>
        <translation>Pictures (*.bmp;*.jpg;*.jpeg;*.png)</translation>
    </message>
</context>
<context>
    <name>SaveResult</name>
    <message>
        <location filename="../src/app/dialogs/save_result.cpp" line="75"/>
        <source>Výsledný obrázok je prázdny (0 x 0 bodov), a preto sa nedá %1. Zvoľte veľkosť výsledného obrázka a kliknite na obrazovku.</source>
        <translation>The result picture is empty (0 x 0 pixels), so it cannot be %1. Choose the size of the result picture and click on the screen.</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/save_result.cpp" line="83"/>
        <source>uložiť</source>
        <comment>what an empty result cannot be</comment>
        <translation>saved</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/save_result.cpp" line="151"/>
        <source>skopírovať</source>
        <comment>what an empty result cannot be</comment>
        <translation>copied</translation>
    </message>
</context>
<context>
    <name>ScreenPicture</name>
    <message>
        <location filename="../src/app/platform/screen_picture.cpp" line="32"/>
        <source>pracovné prostredie neponúka službu na snímanie obrazovky (xdg-desktop-portal so službou Screenshot). Nainštalujte xdg-desktop-portal a portál pre svoje prostredie.</source>
        <translation>the desktop offers no service for taking screenshots (xdg-desktop-portal with the Screenshot service). Install xdg-desktop-portal and the portal for your desktop.</translation>
    </message>
    <message>
        <location filename="../src/app/platform/screen_picture.cpp" line="38"/>
        <source>pracovné prostredie snímanie obrazovky odmietlo; povoľte programu Zorna snímanie obrazovky v nastaveniach súkromia svojho prostredia (alebo na otázku, či smie snímať obrazovku, odpovedzte áno) a spustite ho znova.</source>
        <translation>the desktop refused to take a screenshot; allow Zorna to take screenshots in your desktop&apos;s privacy settings (or answer yes when asked whether it may take a screenshot) and start it again.</translation>
    </message>
    <message>
        <location filename="../src/app/platform/screen_picture.cpp" line="45"/>
        <source>pracovné prostredie do %1 %2 neodpovedalo. Ak sa pýtalo, či smie Zorna snímať obrazovku, povoľte to a spustite ju znova; inak skúste prostredie znova prihlásiť (služba xdg-desktop-portal neodpovedá).</source>
        <translation>the desktop did not answer within %1 %2. If it asked whether Zorna may take a screenshot, allow it and start Zorna again; otherwise try logging in to your desktop again (the xdg-desktop-portal service does not answer).</translation>
    </message>
    <message>
        <location filename="../src/app/platform/screen_picture.cpp" line="51"/>
        <source>sekundy</source>
        <translation>second</translation>
    </message>
    <message>
        <location filename="../src/app/platform/screen_picture.cpp" line="52"/>
        <source>sekúnd</source>
        <translation>seconds</translation>
    </message>
    <message>
        <location filename="../src/app/platform/screen_picture.cpp" line="55"/>
        <source>súbor so snímkou sa nedá prečítať (%1).</source>
        <translation>the screenshot file cannot be read (%1).</translation>
    </message>
    <message>
        <location filename="../src/app/platform/screen_picture.cpp" line="61"/>
        <source>Obrazovku sa nepodarilo odfotiť: %1
Zorna bez obrazu obrazovky nemôže pracovať a teraz sa ukončí.</source>
        <translation>The screen could not be captured: %1
Zorna cannot work without a picture of the screen and will now quit.</translation>
    </message>
</context>
<context>
    <name>UserFolders</name>
    <message>
        <location filename="../src/app/platform/user_folders.cpp" line="19"/>
        <source>Zrušiť</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zorna::app::TDlgIkona</name>
    <message>
        <location filename="../src/app/dialogs/dlg_ikona.cpp" line="39"/>
        <source>priehľadnú (biela farba)</source>
        <translation>transparent (white)</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_ikona.cpp" line="40"/>
        <source>priehľadnú (farba pixlu 0,0)</source>
        <translation>transparent (colour of pixel 0,0)</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_ikona.cpp" line="41"/>
        <source>priehľadnú (farba pixlu max,max)</source>
        <translation>transparent (colour of pixel max,max)</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_ikona.cpp" line="42"/>
        <source>nepriehľadnú</source>
        <translation>opaque</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_ikona.cpp" line="57"/>
        <source>Ikonu uložiť ako</source>
        <translation>Save the icon as</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_ikona.cpp" line="59"/>
        <source>Uloženie obrázku ako PNG súbor</source>
        <translation>Saving the picture as a PNG file</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_ikona.cpp" line="60"/>
        <source>Obrázok uložiť ako</source>
        <translation>Save the picture as</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_ikona.cpp" line="62"/>
        <source>Uloženie obrázku ako ikona s priehľadnosťou</source>
        <translation>Saving the picture as an icon with transparency</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_ikona.cpp" line="70"/>
        <source>Uloěnie obráku ako ikona</source>
        <translation>Saving the picture as an icon</translation>
    </message>
</context>
<context>
    <name>zorna::app::TDlgJpeg</name>
    <message>
        <location filename="../src/app/dialogs/dlg_jpeg.cpp" line="31"/>
        <source>Uloěnie obrázku ako jpeg súbor</source>
        <translation>Saving the picture as a JPEG file</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_jpeg.cpp" line="36"/>
        <source>Originál:</source>
        <translation>Original:</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_jpeg.cpp" line="38"/>
        <source>Výsledok:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_jpeg.cpp" line="40"/>
        <source>Veľkosť súboru:</source>
        <translation>File size:</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_jpeg.cpp" line="43"/>
        <source>Kompresia:</source>
        <translation>Compression:</translation>
    </message>
</context>
<context>
    <name>zorna::app::TDlgPozadie</name>
    <message>
        <location filename="../src/app/dialogs/dlg_pozadie.cpp" line="21"/>
        <source>Podklad obrázka</source>
        <translation>Picture background</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_pozadie.cpp" line="32"/>
        <location filename="../src/app/dialogs/dlg_pozadie.cpp" line="48"/>
        <source>Zmeniť obrázok</source>
        <translation>Change picture</translation>
    </message>
</context>
<context>
    <name>zorna::app::TDlgRozmer</name>
    <message>
        <location filename="../src/app/dialogs/dlg_rozmer.cpp" line="44"/>
        <source>Vlastný rozmer</source>
        <translation>Custom size</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_rozmer.cpp" line="46"/>
        <source>Vlastný rozmer strany vstupujúceho štvorca:</source>
        <translation>Custom side of the input square:</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_rozmer.cpp" line="51"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_rozmer.cpp" line="54"/>
        <source>Zrušiť</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zorna::app::TDlgSkin</name>
    <message>
        <location filename="../src/app/dialogs/dlg_skin.cpp" line="22"/>
        <source>Vzhľad</source>
        <translation>Skins</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_skin.cpp" line="25"/>
        <source>Zavrieť</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_skin.cpp" line="28"/>
        <source>Pridať vzhľad</source>
        <translation>Add a skin</translation>
    </message>
</context>
<context>
    <name>zorna::app::TMailList</name>
    <message>
        <location filename="../src/app/dialogs/mail_list.cpp" line="22"/>
        <source>Pridanie do mailinglistu.</source>
        <translation>Joining the mailing list</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/mail_list.cpp" line="24"/>
        <source>Chcem dostávať pravidelné informácie o novinkách tohoto programu.</source>
        <translation>I want to receive regular news about this program.</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/mail_list.cpp" line="29"/>
        <source>Posielajte mi ich na e-mail:</source>
        <translation>Send it to my e-mail:</translation>
    </message>
</context>
<context>
    <name>zorna::app::TOPrograme</name>
    <message>
        <location filename="../src/app/dialogs/o_programe.cpp" line="69"/>
        <source>O programe</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/o_programe.cpp" line="82"/>
        <source>Elektronická adresa:</source>
        <translation>Web address:</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/o_programe.cpp" line="85"/>
        <source>Elektronická pošta:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/o_programe.cpp" line="96"/>
        <source>Zobraziť pomoc</source>
        <translation>Show help</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/o_programe.cpp" line="102"/>
        <source>Počet obrázkov vo Vašej galérii:</source>
        <translation>Pictures in your gallery:</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/o_programe.cpp" line="105"/>
        <source>Vyše 2000 ikon nájdete na elektronickej adrese autora.</source>
        <translation>Over 2000 icons are waiting on the author&apos;s web site.</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/o_programe.cpp" line="109"/>
        <source>Zaujímajú vás informácie o nových verziách programu?</source>
        <translation>Would you like news about new versions of the program?</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/o_programe.cpp" line="171"/>
        <source>Stránka sa nenašla</source>
        <translation>Page not found</translation>
    </message>
</context>
<context>
    <name>zorna::app::TUpravit</name>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="76"/>
        <source>Upraviť obázok</source>
        <translation>Edit picture</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="101"/>
        <source>Bez tieňa</source>
        <translation>No shadow</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="104"/>
        <source>Tieň vpravo dole</source>
        <translation>Shadow to the lower right</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="107"/>
        <source>Tieň vľavo hore</source>
        <translation>Shadow to the upper left</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="110"/>
        <source>Tieň vpravo hore</source>
        <translation>Shadow to the upper right</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="113"/>
        <source>Tieň vľavo dole</source>
        <translation>Shadow to the lower left</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="115"/>
        <source>Posun:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="119"/>
        <source>Tieň</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="133"/>
        <source>Bez orámovania</source>
        <translation>No frame</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="135"/>
        <source>Orámovať</source>
        <translation>Add a frame</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="137"/>
        <source>Hrúbka:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/dlg_upravit.cpp" line="142"/>
        <source>Orámovanie:</source>
        <translation>Frame:</translation>
    </message>
</context>
</TS>
