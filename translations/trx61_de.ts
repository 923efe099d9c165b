<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Artwork</name>
    <message>
        <source>Wireless Access Point Setup Utility</source>
        <translation>Einrichtungsprogramm für WLAN-Access-Points</translation>
    </message>
    <message>
        <source>Press Setup to begin. User Guide opens the manual; Web Site opens the product pages.</source>
        <translation>Klicken Sie auf „Einrichten“, um zu beginnen. „Handbuch“ öffnet die Anleitung, „Website“ die Produktseiten.</translation>
    </message>
    <message>
        <source>This PC</source>
        <translation>Dieser PC</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Connect this PC and the access points to the same Ethernet segment, then press Next to search. The search takes three seconds.</source>
        <translation>Schließen Sie diesen PC und die Access Points an dasselbe Ethernet-Segment an und klicken Sie auf „Weiter“, um zu suchen. Die Suche dauert drei Sekunden.</translation>
    </message>
    <message>
        <source>Access points</source>
        <translation>Access Points</translation>
    </message>
    <message>
        <source>Settings of the selected one</source>
        <translation>Einstellungen des gewählten Geräts</translation>
    </message>
    <message>
        <source>Regulatory domain:</source>
        <translation>Funkregion:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Firmware-Version:</translation>
    </message>
    <message>
        <source>MAC address:</source>
        <translation>MAC-Adresse:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>ESSID:</source>
        <translation>ESSID:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanal:</translation>
    </message>
    <message>
        <source>WEP:</source>
        <translation>WEP:</translation>
    </message>
    <message>
        <source>Yes: change its settings.  No: close the utility.</source>
        <translation>Ja: Einstellungen ändern.  Nein: Programm beenden.</translation>
    </message>
    <message>
        <source>ESSID</source>
        <translation>ESSID</translation>
    </message>
    <message>
        <source>The network name: 1 to 32 characters.</source>
        <translation>Der Netzwerkname: 1 bis 32 Zeichen.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>The channels allowed in the access point&apos;s regulatory domain.</source>
        <translation>Die Kanäle, die in der Funkregion des Access Points erlaubt sind.</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>Hostname</translation>
    </message>
    <message>
        <source>The access point&apos;s own name: up to 31 characters.</source>
        <translation>Der eigene Name des Access Points: bis zu 31 Zeichen.</translation>
    </message>
    <message>
        <source>Set the address manually</source>
        <translation>Adresse manuell festlegen</translation>
    </message>
    <message>
        <source>Obtain the address by DHCP</source>
        <translation>Adresse per DHCP beziehen</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>Netzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 separated by dots, such as 192.168.1.251. An empty field gets the usual default when you go on.</source>
        <translation>Vier Zahlen von 0 bis 255, durch Punkte getrennt, z. B. 192.168.1.251. Ein leeres Feld erhält beim Weitergehen den üblichen Standardwert.</translation>
    </message>
    <message>
        <source>WEP method</source>
        <translation>WEP-Verfahren</translation>
    </message>
    <message>
        <source>Disable, or a key size of 64, 128 or 256 bits.</source>
        <translation>Aus oder eine Schlüssellänge von 64, 128 oder 256 Bit.</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <source>Up to 32 characters. The same pass phrase always gives the same keys.</source>
        <translation>Bis zu 32 Zeichen. Dieselbe Passphrase ergibt immer dieselben Schlüssel.</translation>
    </message>
    <message>
        <source>WEP key 1</source>
        <translation>WEP-Schlüssel 1</translation>
    </message>
    <message>
        <source>Hexadecimal digits 0-9 and A-F: 10 digits for 64 bits, 26 for 128 bits, 58 for 256 bits. Keys 2 to 4 are made from the pass phrase and saved with it.</source>
        <translation>Hexadezimalziffern 0-9 und A-F: 10 Ziffern für 64 Bit, 26 für 128 Bit, 58 für 256 Bit. Die Schlüssel 2 bis 4 werden aus der Passphrase erzeugt und mit ihr gespeichert.</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Bisher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <source>Yes: save. The access point may need 60 seconds to apply the settings.
No: discard the changes and search again.</source>
        <translation>Ja: speichern. Der Access Point braucht bis zu 60 Sekunden, um die Einstellungen zu übernehmen.
Nein: Änderungen verwerfen und neu suchen.</translation>
    </message>
    <message>
        <source>It may take the access point up to 60 seconds to apply them. Press Exit to close the utility.</source>
        <translation>Der Access Point braucht bis zu 60 Sekunden, um sie zu übernehmen. Mit „Beenden“ schließen Sie das Programm.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>64Bits</source>
        <translation>64 Bit</translation>
    </message>
    <message>
        <source>128Bits</source>
        <translation>128 Bit</translation>
    </message>
    <message>
        <source>256Bits</source>
        <translation>256 Bit</translation>
    </message>
    <message>
        <source>ASCII: Enter 5,13,or 29 characters for 40,128, or 256 bits WEP Keys respectively</source>
        <translation>ASCII: 5, 13 oder 29 Zeichen für 64-, 128- oder 256-Bit-WEP-Schlüssel</translation>
    </message>
    <message>
        <source>Hexdecimal(0-9 &amp; a-f ,or a-f ): Enter 10, 26, 58 digits for 40,128, or 256 bits WEP Key respectively.</source>
        <translation>Hexadezimal (0-9, a-f): 10, 26 oder 58 Ziffern für 64-, 128- oder 256-Bit-WEP-Schlüssel</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
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
        <source>It speaks the language of the system when it has it, and English otherwise.
--language CODE chooses one of these:
</source>
        <translation>Es spricht die Sprache des Systems, wenn es sie kennt, sonst Englisch.
--language CODE wählt eine dieser Sprachen:
</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host name, ESSID, channel, IP settings and WEP keys.</source>
        <translation>Dieses Programm findet die WLAN-Access-Points TRX61 ver. 2.2 in Ihrem Netzwerk und ändert ihren Hostnamen, die ESSID, den Kanal, die IP-Einstellungen und die WEP-Schlüssel.</translation>
    </message>
    <message>
        <source>Connection method</source>
        <translation>Verbindungsart</translation>
    </message>
    <message>
        <source>The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155).</source>
        <translation>Das Programm erreicht die Access Points im lokalen Ethernet-Segment über Broadcasts (UDP-Port 27155).</translation>
    </message>
    <message>
        <source>Access points found</source>
        <translation>Gefundene Access Points</translation>
    </message>
    <message>
        <source>Do you want to change the settings of the selected access point?</source>
        <translation>Möchten Sie die Einstellungen des gewählten Access Points ändern?</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Name the wireless network and choose its radio channel.</source>
        <translation>Benennen Sie das Funknetz und wählen Sie seinen Kanal.</translation>
    </message>
    <message>
        <source>IP settings</source>
        <translation>IP-Einstellungen</translation>
    </message>
    <message>
        <source>Give the access point a fixed address, or let a DHCP server assign one.</source>
        <translation>Geben Sie dem Access Point eine feste Adresse oder lassen Sie sie von einem DHCP-Server zuweisen.</translation>
    </message>
    <message>
        <source>Security settings</source>
        <translation>Sicherheitseinstellungen</translation>
    </message>
    <message>
        <source>Choose the WEP encryption and type a pass phrase; the keys are made from it.</source>
        <translation>Wählen Sie die WEP-Verschlüsselung und geben Sie eine Passphrase ein; aus ihr entstehen die Schlüssel.</translation>
    </message>
    <message>
        <source>WEP key</source>
        <translation>WEP-Schlüssel</translation>
    </message>
    <message>
        <source>The first key, made from your pass phrase. You may type your own key instead.</source>
        <translation>Der erste Schlüssel, aus Ihrer Passphrase erzeugt. Sie können stattdessen einen eigenen eingeben.</translation>
    </message>
    <message>
        <source>Confirm the new settings</source>
        <translation>Neue Einstellungen bestätigen</translation>
    </message>
    <message>
        <source>Do you want to save these settings to the access point?</source>
        <translation>Möchten Sie diese Einstellungen im Access Point speichern?</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>The access point has acknowledged the new settings.</source>
        <translation>Der Access Point hat die neuen Einstellungen bestätigt.</translation>
    </message>
    <message>
        <source>Checking the network connection</source>
        <translation>Netzwerkverbindung wird geprüft</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>No access point could be located</source>
        <translation>Kein Access Point gefunden</translation>
    </message>
    <message>
        <source>No access point answered in time, or an answer could not be used.</source>
        <translation>Kein Access Point hat rechtzeitig geantwortet, oder eine Antwort war unbrauchbar.</translation>
    </message>
    <message>
        <source>Please check:</source>
        <translation>Bitte prüfen Sie:</translation>
    </message>
    <message>
        <source>The Ethernet cables of this PC and of the access point are plugged in, and their link lights are on.</source>
        <translation>Die Ethernet-Kabel des PCs und des Access Points sind eingesteckt, und ihre Link-LEDs leuchten.</translation>
    </message>
    <message>
        <source>This PC and the access point are on the same Ethernet segment (no router between them).</source>
        <translation>Der PC und der Access Point liegen im selben Ethernet-Segment (kein Router dazwischen).</translation>
    </message>
    <message>
        <source>The access point is switched on and has finished starting up.</source>
        <translation>Der Access Point ist eingeschaltet und fertig gestartet.</translation>
    </message>
    <message>
        <source>A firewall on this PC lets UDP port 27155 through, in and out.</source>
        <translation>Eine Firewall auf diesem PC lässt UDP-Port 27155 durch, ein- und ausgehend.</translation>
    </message>
    <message>
        <source>After saving, the access point may need up to 60 seconds before it answers again.</source>
        <translation>Nach dem Speichern kann es bis zu 60 Sekunden dauern, bis der Access Point wieder antwortet.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The access point did not acknowledge the settings</source>
        <translation>Der Access Point hat die Einstellungen nicht bestätigt</translation>
    </message>
    <message>
        <source>No acknowledgement arrived in time: the settings may not have been saved.</source>
        <translation>Keine Bestätigung kam rechtzeitig an: Die Einstellungen wurden möglicherweise nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <source>.</source>
        <comment>full stop</comment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>trx::app::TForm1</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No program to show the user guide was found on this computer. The guide is the file
%1</source>
        <translation>Auf diesem Computer wurde kein Programm zum Anzeigen des Benutzerhandbuchs gefunden. Das Handbuch ist die Datei
%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The user guide can only be viewed with Adobe Reader!<byte value="xd"/>
<byte value="xd"/>
        Do you want install Acrobat Reader 5.0.5?</source>
        <translation>
Das Benutzerhandbuch lässt sich nur mit Adobe Reader anzeigen!

        Möchten Sie Acrobat Reader 5.0.5 installieren?</translation>
    </message>
    <message>
        <source>After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.</source>
        <translation>Nach dem Speichern kann es 60 Sekunden dauern, bis der TRX61 ver. 2.2 wieder bereit ist.</translation>
    </message>
    <message>
        <source>Wrong IP address value!</source>
        <translation>Ungültige IP-Adresse!</translation>
    </message>
    <message>
        <source>Wrong NetMask IP address value!</source>
        <translation>Ungültige Subnetzmaske!</translation>
    </message>
    <message>
        <source>Wrong GateWay IP address value!</source>
        <translation>Ungültiges Gateway!</translation>
    </message>
    <message>
        <source>Wrong ESSID value!</source>
        <translation>Ungültige ESSID!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Wrong Wep-Key1 Length!</source>
        <translation>WEP-Schlüssel 1 hat die falsche Länge!</translation>
    </message>
    <message>
        <source>Wrong Wep-Key1 Word!</source>
        <translation>WEP-Schlüssel 1 enthält ungültige Zeichen!</translation>
    </message>
    <message>
        <source>ESSID</source>
        <translation>ESSID</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>Hostname</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>Netzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Obtain the address by DHCP</source>
        <translation>Adresse per DHCP beziehen</translation>
    </message>
    <message>
        <source>Set the address manually</source>
        <translation>Adresse manuell festlegen</translation>
    </message>
    <message>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <source>Pass Phrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Schlüssel 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Schlüssel 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Schlüssel 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Schlüssel 4</translation>
    </message>
    <message>
        <source>Access points</source>
        <translation>Access Points</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Regulatory domain</source>
        <translation>Regulierungsdomäne</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Remembered pass phrase</source>
        <translation>Gespeicherte Passphrase</translation>
    </message>
    <message>
        <source>Regulatory domain %1, firmware version %2, MAC address %3, IP address %4, ESSID %5, channel %6, WEP %7.</source>
        <translation>Regulierungsdomäne %1, Firmware-Version %2, MAC-Adresse %3, IP-Adresse %4, ESSID %5, Kanal %6, WEP %7.</translation>
    </message>
    <message>
        <source>Was %1.</source>
        <translation>Vorher: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Saving the settings to the access point.</source>
        <translation>Die Einstellungen werden im Access Point gespeichert.</translation>
    </message>
    <message>
        <source>1 access point answered.</source>
        <translation>1 Access Point hat geantwortet.</translation>
    </message>
    <message numerus="yes">
        <source>%n access points answered.</source>
        <translation>
            <numerusform>%n Access Point hat geantwortet.</numerusform>
            <numerusform>%n Access Points haben geantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, was %3.</source>
        <translation>%1: %2, vorher %3.</translation>
    </message>
</context>
</TS>
