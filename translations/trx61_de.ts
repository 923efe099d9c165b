<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+45"/>
        <source>Wireless Access Point Setup Utility</source>
        <extracomment>Subtitle in the header band of every page, under &quot;TRX61 ver. 2.2&quot;; 360 px, one line.</extracomment>
        <translation>Einrichtungsprogramm für WLAN-Access-Points</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+108"/>
        <source>Press Setup to begin. User Guide opens the manual; Web Site opens the product pages.</source>
        <translation>Klicken Sie auf „Einrichten“, um zu beginnen. „Handbuch“ öffnet das Benutzerhandbuch, „Website“ die Produktseiten.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+111"/>
        <source>This PC</source>
        <extracomment>Label under the drawing of a PC on the connection page; 110 px, one line.</extracomment>
        <translation>Dieser PC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ethernet</source>
        <extracomment>Label on the cable between the PC and the access point in the drawing; 100 px, one line.</extracomment>
        <translation>Ethernet</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+3"/>
        <source>Connect this PC and the access points to the same Ethernet segment, then press Next to search. The search takes three seconds.</source>
        <translation>Schließen Sie diesen PC und die Access-Points an dasselbe Ethernet-Segment an und klicken Sie auf „Weiter“, um zu suchen. Die Suche dauert drei Sekunden.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+8"/>
        <source>Access points</source>
        <extracomment>Caption above the list of the access points that answered; 125 px, one line.</extracomment>
        <translation>Access-Points</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings of the selected one</source>
        <extracomment>Heading over the settings of the access point chosen in the list; 230 px, one line.</extracomment>
        <translation>Einstellungen des ausgewählten Geräts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Regulatory domain:</source>
        <extracomment>Label before the access point&apos;s value in the list page; 112 px, one line. Same term as the screen reader&apos;s &quot;Regulatory domain&quot;.</extracomment>
        <translation>Funkregion:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware version:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>Firmware-Version:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MAC address:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>MAC-Adresse:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IP address:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ESSID:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>ESSID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>Kanal:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>WEP:</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+3"/>
        <source>Yes: change its settings.  No: close the utility.</source>
        <translation>Ja: Einstellungen ändern. Nein: Programm beenden.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+10"/>
        <location line="+74"/>
        <source>ESSID</source>
        <extracomment>Field caption on the basic settings page, and a row name on the confirmation page (96 px).
----------
Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>ESSID</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+1"/>
        <source>The network name: 1 to 32 characters.</source>
        <translation>Der Netzwerkname: 1 bis 32 Zeichen.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="-71"/>
        <location line="+73"/>
        <source>Channel</source>
        <extracomment>Field caption on the basic settings page, and a row name on the confirmation page (96 px).
----------
Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>The channels allowed in the access point&apos;s regulatory domain.</source>
        <translation>Die Kanäle, die in der Funkregion des Access-Points erlaubt sind.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="-71"/>
        <source>Host Name</source>
        <extracomment>Field caption on the basic settings page; 200 px, one line.</extracomment>
        <translation>Hostname</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+1"/>
        <source>The access point&apos;s own name: up to 31 characters.</source>
        <translation>Name des Access-Points im Netzwerk: bis zu 31 Zeichen.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+12"/>
        <source>Set the address manually</source>
        <extracomment>Beside the radio button for a fixed address on the IP page; 160 px, one line.</extracomment>
        <translation>Adresse manuell festlegen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Obtain the address by DHCP</source>
        <extracomment>Beside the radio button for DHCP on the IP page; 180 px, one line.</extracomment>
        <translation>Adresse per DHCP beziehen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>IP Address</source>
        <extracomment>Caption left of an address field on the IP page: 53 px on one line, or two lines broken with 
 where the language breaks it (56 px each, may be narrowed to 75 %).</extracomment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Net Mask</source>
        <extracomment>Caption left of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Subnetz-
maske</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gateway</source>
        <extracomment>Caption left of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Gateway</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Four numbers from 0 to 255 separated by dots, such as 192.168.1.251. An empty field gets the usual default when you go on.</source>
        <translation>Vier Zahlen von 0 bis 255, durch Punkte getrennt, z. B. 192.168.1.251. Ein leeres Feld erhält beim Klick auf „Weiter“ den üblichen Standardwert.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+66"/>
        <location filename="../tools/artgen/pages.cpp" line="+9"/>
        <source>WEP method</source>
        <extracomment>Caption above the list of WEP key sizes; 200 px, one line.</extracomment>
        <translation>WEP-Verfahren</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+3"/>
        <source>Disable, or a key size of 64, 128 or 256 bits.</source>
        <translation>Aus oder eine Schlüssellänge von 64, 128 oder 256 Bit.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+2"/>
        <source>Pass phrase</source>
        <extracomment>Caption above the pass phrase field; 200 px, one line.</extracomment>
        <translation>Passphrase</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Up to 32 characters. The same pass phrase always gives the same keys.</source>
        <translation>Bis zu 32 Zeichen. Dieselbe Passphrase ergibt immer dieselben Schlüssel.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+1"/>
        <location filename="../tools/artgen/pages.cpp" line="+9"/>
        <source>WEP key 1</source>
        <extracomment>Caption above the first key&apos;s field; 200 px, one line.</extracomment>
        <translation>WEP-Schlüssel 1</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Hexadecimal digits 0-9 and A-F: 10 digits for 64 bits, 26 for 128 bits, 58 for 256 bits. Keys 2 to 4 are made from the pass phrase and saved with it.</source>
        <translation>Hexadezimalziffern 0-9 und A-F: 10 Ziffern für 64 Bit, 26 für 128 Bit, 58 für 256 Bit. Die Schlüssel 2 bis 4 werden aus der Passphrase erzeugt und mit ihr gespeichert.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+12"/>
        <source>Current</source>
        <extracomment>Heading of the confirmation page&apos;s column of the values the access point has now (before the change); 150 px, one line.</extracomment>
        <translation>Bisher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New</source>
        <extracomment>Heading of the confirmation page&apos;s column of the values about to be saved (after the change); 100 px, one line.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>IP address</source>
        <extracomment>Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>WEP</source>
        <extracomment>Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>WEP</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+4"/>
        <source>Yes: save. The access point may need 60 seconds to apply the settings.
No: discard the changes and search again.</source>
        <translation>Ja: speichern. Es kann bis zu 60 Sekunden dauern, bis der Access-Point die Einstellungen übernimmt.
Nein: Änderungen verwerfen und neu suchen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It may take the access point up to 60 seconds to apply them. Press Exit to close the utility.</source>
        <translation>Es kann bis zu 60 Sekunden dauern, bis der Access-Point die Einstellungen übernimmt. Mit „Beenden“ schließen Sie das Programm.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/faces.cpp" line="+60"/>
        <source>Setup</source>
        <extracomment>Button face: starts the wizard.</extracomment>
        <translation>Einrichten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User Guide</source>
        <extracomment>Button face: opens the user guide.</extracomment>
        <translation>Handbuch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Web Site</source>
        <extracomment>Button face: opens the maker&apos;s web site.</extracomment>
        <translation>Website</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <extracomment>Button face: closes the program.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next</source>
        <extracomment>Button face: goes to the next page.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <extracomment>Button face: answers the page&apos;s question (go on, save).</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <extracomment>Button face: answers the page&apos;s question (close, discard).</extracomment>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>Button face: goes to the previous page.</extracomment>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <location filename="../app/accessibles.cpp" line="+22"/>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User Guide</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Web Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../app/translatornotes.h" line="+5"/>
        <source></source>
        <comment>Names of the picture buttons, read out by screen readers: the same word as drawn on the button&apos;s face (context Artwork), on one line. &quot;Minimise&quot; and &quot;Close&quot; are the two small window buttons at the top right, which carry no word.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../app/form1.cpp" line="+26"/>
        <source>Disable</source>
        <extracomment>WEP key size list on the security page (about 90 px): WEP switched off.</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>64Bits</source>
        <extracomment>WEP key size list on the security page (about 90 px).</extracomment>
        <translation>64 Bit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>128Bits</source>
        <extracomment>WEP key size list on the security page (about 90 px).</extracomment>
        <translation>128 Bit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>256Bits</source>
        <extracomment>WEP key size list on the security page (about 90 px).</extracomment>
        <translation>256 Bit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASCII: Enter 5,13,or 29 characters for 40,128, or 256 bits WEP Keys respectively</source>
        <translation>ASCII: 5, 13 oder 29 Zeichen für 64-, 128- oder 256-Bit-WEP-Schlüssel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hexdecimal(0-9 &amp; a-f ,or a-f ): Enter 10, 26, 58 digits for 40,128, or 256 bits WEP Key respectively.</source>
        <translation>Hexadezimal (0-9, a-f): 10, 26 oder 58 Ziffern für 64-, 128- oder 256-Bit-WEP-Schlüssel</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../app/language.cpp" line="+79"/>
        <source>Usage: trx61-utility [--version] [--help] [--language CODE]
Finds TRX61 ver. 2.2 wireless access points on every network adapter of this PC and
changes their settings, in a window. It uses UDP port 27155: let it through the firewall.
With TRX61_DEBUG=1 in the environment it reports its network traffic on standard error.
</source>
        <translation>Aufruf: trx61-utility [--version] [--help] [--language CODE]
Sucht WLAN-Access-Points TRX61 ver. 2.2 an allen Netzwerkadaptern dieses PCs
und ändert ihre Einstellungen in einem Fenster. Es verwendet UDP-Port 27155:
Geben Sie ihn in der Firewall frei. Mit TRX61_DEBUG=1 in der Umgebung meldet es
seinen Netzwerkverkehr auf der Standardfehlerausgabe.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>It speaks the language of the system when it has it, and English otherwise.
--language CODE chooses one of these:
</source>
        <translation>Es verwendet die Systemsprache, sofern verfügbar, sonst Englisch.
--language CODE wählt eine dieser Sprachen:
</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <location filename="../app/pagewords.h" line="-113"/>
        <source>Welcome</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Willkommen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host name, ESSID, channel, IP settings and WEP keys.</source>
        <translation>Dieses Programm findet die WLAN-Access-Points TRX61 ver. 2.2 in Ihrem Netzwerk und lässt Sie ihren Hostnamen, die ESSID, den Kanal, die IP-Einstellungen und die WEP-Schlüssel ändern.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection method</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Verbindungsart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155).</source>
        <translation>Das Programm erreicht die Access-Points im lokalen Ethernet-Segment über Broadcasts (UDP-Port 27155).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Access points found</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Gefundene Access-Points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to change the settings of the selected access point?</source>
        <translation>Möchten Sie die Einstellungen des ausgewählten Access-Points ändern?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name the wireless network and choose its radio channel.</source>
        <translation>Benennen Sie das Funknetz und wählen Sie seinen Kanal.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>IP settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>IP-Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Give the access point a fixed address, or let a DHCP server assign one.</source>
        <translation>Geben Sie dem Access-Point eine feste Adresse oder lassen Sie sie von einem DHCP-Server zuweisen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Security settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Sicherheitseinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the WEP encryption and type a pass phrase; the keys are made from it.</source>
        <translation>Wählen Sie die WEP-Verschlüsselung und geben Sie eine Passphrase ein; daraus werden die Schlüssel erzeugt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WEP key</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>WEP-Schlüssel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The first key, made from your pass phrase. You may type your own key instead.</source>
        <translation>Der erste Schlüssel, aus Ihrer Passphrase erzeugt. Sie können stattdessen einen eigenen eingeben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm the new settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Neue Einstellungen bestätigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to save these settings to the access point?</source>
        <translation>Möchten Sie diese Einstellungen im Access-Point speichern?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings saved</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The access point has acknowledged the new settings.</source>
        <translation>Der Access-Point hat die neuen Einstellungen bestätigt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Checking the network connection</source>
        <extracomment>Title of the wait panel during a search or a save; 280 px, one line.</extracomment>
        <translation>Netzwerkverbindung wird geprüft</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please wait...</source>
        <extracomment>Under the wait panel&apos;s title; 280 px, one line.</extracomment>
        <translation>Bitte warten…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No access point could be located</source>
        <extracomment>Title of the error panel: 340 px, up to two lines; also read out by screen readers.</extracomment>
        <translation>Kein Access-Point gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No access point answered in time, or an answer could not be used.</source>
        <translation>Kein Access-Point hat rechtzeitig geantwortet, oder eine Antwort war unbrauchbar.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please check:</source>
        <extracomment>Heading of the error panel&apos;s check-list; 375 px, one line.</extracomment>
        <translation>Bitte prüfen Sie:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Ethernet cables of this PC and of the access point are plugged in, and their link lights are on.</source>
        <translation>Die Ethernet-Kabel des PCs und des Access-Points sind eingesteckt, und ihre Link-LEDs leuchten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This PC and the access point are on the same Ethernet segment (no router between them).</source>
        <translation>Der PC und der Access-Point liegen im selben Ethernet-Segment (kein Router dazwischen).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The access point is switched on and has finished starting up.</source>
        <translation>Der Access-Point ist eingeschaltet und vollständig hochgefahren.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A firewall on this PC lets UDP port 27155 through, in and out.</source>
        <translation>Die Firewall dieses PCs lässt UDP-Port 27155 ein- und ausgehend zu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After saving, the access point may need up to 60 seconds before it answers again.</source>
        <translation>Nach dem Speichern kann es bis zu 60 Sekunden dauern, bis der Access-Point wieder antwortet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Continue</source>
        <extracomment>The error panel&apos;s button-like bar: a click goes back to the page; 389 px, one line.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../app/announcements.cpp" line="-48"/>
        <source>.</source>
        <comment>full stop</comment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>trx::app::TForm1</name>
    <message>
        <location filename="../app/form1.cpp" line="+306"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location filename="../app/help.cpp" line="+41"/>
        <source>No program to show the user guide was found on this computer. The guide is the file
%1</source>
        <translation>Auf diesem Computer wurde kein Programm zum Anzeigen des Benutzerhandbuchs gefunden. Das Handbuch ist die Datei
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Opening the User Guide.</source>
        <extracomment>Said when the User Guide button is pressed, as the guide&apos;s window opens.</extracomment>
        <translation>Das Handbuch wird geöffnet.</translation>
    </message>
    <message>
        <location filename="../app/form1.h" line="+55"/>
        <source>After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.</source>
        <translation>Nach dem Speichern kann es 60 Sekunden dauern, bis der TRX61 ver. 2.2 wieder bereit ist.</translation>
    </message>
    <message>
        <location filename="../wizard/checks.cpp" line="+18"/>
        <source>Wrong IP address value!</source>
        <translation>Ungültige IP-Adresse!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong NetMask IP address value!</source>
        <translation>Ungültige Subnetzmaske!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong GateWay IP address value!</source>
        <translation>Ungültiges Gateway!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Part %1 is empty.</source>
        <translation>Teil %1 ist leer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Part %1, %2, is no number from 0 to 255.</source>
        <extracomment>%1: which of the address&apos;s four parts, counted from 1; %2: that part as typed.</extracomment>
        <translation>Teil %1, %2, ist keine Zahl von 0 bis 255.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>An address is four numbers separated by dots; this one has %n part(s).</source>
        <translation>
            <numerusform>Eine Adresse besteht aus vier durch Punkte getrennten Zahlen; diese hat %n Teil.</numerusform>
            <numerusform>Eine Adresse besteht aus vier durch Punkte getrennten Zahlen; diese hat %n Teile.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The gateway %1 is outside the subnet of %2 with net mask %3: the access point cannot reach it.</source>
        <translation>Das Gateway %1 liegt außerhalb des Subnetzes von %2 mit der Subnetzmaske %3: Der Access-Point kann es nicht erreichen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Wrong ESSID value!</source>
        <translation>Ungültige ESSID!</translation>
    </message>
    <message>
        <location filename="../wizard/receive.cpp" line="+125"/>
        <source>The changes made for %1 were dropped.</source>
        <extracomment>Said when another access point is chosen in the list: %1 is the host name of the one whose typed changes are lost.</extracomment>
        <translation>Die Änderungen für %1 wurden verworfen.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (another device has the same MAC address)</source>
        <extracomment>Screen-reader name of a list entry (%1: its host name) when another device answers with its MAC address.</extracomment>
        <translation>%1 (ein anderes Gerät hat dieselbe MAC-Adresse)</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+29"/>
        <source>Error</source>
        <extracomment>Shown as the regulatory domain&apos;s value (list page, 1 line, about 120 px) when the access point reports a domain code the program does not know.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../wizard/wep.cpp" line="+13"/>
        <source>Wrong Wep-Key1 Length!</source>
        <translation>WEP-Schlüssel 1 hat die falsche Länge!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong Wep-Key1 Word!</source>
        <translation>WEP-Schlüssel 1 enthält ungültige Zeichen!</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>With WEP on, an empty pass phrase would make every key zeros, which anyone can use. Type a pass phrase; on the next page you may type a key of your own instead.</source>
        <extracomment>Refusal on the security page when WEP is on and the pass phrase is empty.</extracomment>
        <translation>Bei eingeschaltetem WEP ergäbe eine leere Passphrase Schlüssel nur aus Nullen, die jeder benutzen kann. Geben Sie eine Passphrase ein; auf der nächsten Seite können Sie stattdessen einen eigenen Schlüssel eingeben.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A key of all zeros is one anyone can use. Type another key, or go back and type a pass phrase.</source>
        <extracomment>Refusal on the WEP key page when key 1 is typed as all zeros.</extracomment>
        <translation>Einen Schlüssel nur aus Nullen kann jeder benutzen. Geben Sie einen anderen Schlüssel ein, oder gehen Sie zurück und geben Sie eine Passphrase ein.</translation>
    </message>
    <message>
        <location filename="../app/accessibles.cpp" line="+162"/>
        <source>Filled in, hidden.</source>
        <translation>Ausgefüllt, verborgen.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+22"/>
        <location line="+18"/>
        <location line="+19"/>
        <location filename="../wizard/changes.cpp" line="+36"/>
        <source>ESSID</source>
        <translation>ESSID</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+18"/>
        <location line="+19"/>
        <location filename="../wizard/changes.cpp" line="+1"/>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location line="-36"/>
        <location filename="../wizard/changes.cpp" line="+4"/>
        <source>Host Name</source>
        <translation>Hostname</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <location filename="../wizard/changes.cpp" line="-6"/>
        <source>IP Address</source>
        <extracomment>Screen-reader name of an address field, read and brailled: one line, never a line break (the caption drawn on the picture, context Artwork, may take two).</extracomment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <location line="-10"/>
        <location filename="../wizard/changes.cpp" line="+8"/>
        <source>Net Mask</source>
        <extracomment>Screen-reader name of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../wizard/changes.cpp" line="+1"/>
        <source>Gateway</source>
        <extracomment>Screen-reader name of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Gateway</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obtain the address by DHCP</source>
        <translation>Adresse per DHCP beziehen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set the address manually</source>
        <translation>Adresse manuell festlegen</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+19"/>
        <location filename="../wizard/changes.cpp" line="-6"/>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Pass Phrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 2</source>
        <translation>Schlüssel 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 3</source>
        <translation>Schlüssel 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 4</source>
        <translation>Schlüssel 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access points</source>
        <translation>Access-Points</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Regulatory domain</source>
        <translation>Funkregion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Remembered pass phrase</source>
        <translation>Gespeicherte Passphrase</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>At most %n characters.</source>
        <extracomment>Said once when typing stops at a field&apos;s limit.</extracomment>
        <translation>
            <numerusform>Höchstens %n Zeichen.</numerusform>
            <numerusform>Höchstens %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regulatory domain %1, firmware version %2, MAC address %3, IP address %4, ESSID %5, channel %6, WEP %7.</source>
        <translation>Funkregion %1, Firmware-Version %2, MAC-Adresse %3, IP-Adresse %4, ESSID %5, Kanal %6, WEP %7.</translation>
    </message>
    <message>
        <location filename="../wizard/changes.cpp" line="-20"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Was %1.</source>
        <translation>Vorher: %1.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1: %2, unchanged.</source>
        <translation>%1: %2 (unverändert).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>WEP keys: unchanged.</source>
        <translation>WEP-Schlüssel: unverändert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new; key 1 as typed, keys 2 to 4 made from the pass phrase.</source>
        <translation>WEP-Schlüssel: neu; Schlüssel 1 wie eingegeben, Schlüssel 2 bis 4 aus der Passphrase erzeugt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new, made from the new pass phrase.</source>
        <translation>WEP-Schlüssel: neu, aus der neuen Passphrase erzeugt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new, made from the pass phrase.</source>
        <translation>WEP-Schlüssel: neu, aus der Passphrase erzeugt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Key in use: key 1, was key %1.</source>
        <translation>Verwendeter Schlüssel: Schlüssel 1 (vorher: Schlüssel %1).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key in use: key 1.</source>
        <translation>Verwendeter Schlüssel: Schlüssel 1.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+23"/>
        <source>chosen</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>not chosen</source>
        <translation>nicht ausgewählt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saving the settings to the access point.</source>
        <translation>Die Einstellungen werden im Access-Point gespeichert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 access point answered.</source>
        <translation>1 Access-Point hat geantwortet.</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n access points answered.</source>
        <translation>
            <numerusform>%n Access-Point hat geantwortet.</numerusform>
            <numerusform>%n Access-Points haben geantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <location filename="../wizard/changes.cpp" line="-24"/>
        <source>%1: %2, was %3.</source>
        <translation>%1: %2 (vorher: %3).</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+8"/>
        <location line="+20"/>
        <location filename="../wizard/steps.cpp" line="+143"/>
        <source>The changes were not saved.</source>
        <translation>Die Änderungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+20"/>
        <source>The utility closes.</source>
        <translation>Das Programm wird geschlossen.</translation>
    </message>
    <message>
        <location filename="../app/translatornotes.h" line="+7"/>
        <source></source>
        <comment>Message boxes (room enough), and what screen readers read: each field&apos;s name (the caption drawn beside it, but on one line, never with a line break), the list page&apos;s captions, and the announcements. &quot;%1: %2&quot; is a field&apos;s name and value; &quot;Was %1.&quot; and &quot;%1: %2, was %3.&quot; give a field&apos;s value before the change on the confirmation page; &quot;Error&quot; stands for a regulatory domain the program does not know, on the list page.</comment>
        <translation></translation>
    </message>
    <message>
        <location filename="../wizard/steps.cpp" line="+77"/>
        <source>More than one device answers with the MAC address %1. Each of them may take these settings. Save anyway?</source>
        <extracomment>Asked before a save, when more than one device answered the search with one MAC address (%1), with other settings or from another address. OK saves, Cancel stays on the confirmation page.</extracomment>
        <translation>Mehr als ein Gerät antwortet mit der MAC-Adresse %1. Jedes von ihnen kann diese Einstellungen übernehmen. Trotzdem speichern?</translation>
    </message>
</context>
</TS>
