<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+45"/>
        <source>Wireless Access Point Setup Utility</source>
        <extracomment>Subtitle in the header band of every page, under &quot;TRX61 ver. 2.2&quot;; 360 px, one line.</extracomment>
        <translation>Utilitaire de configuration du point d&apos;accès sans fil</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+108"/>
        <source>Press Setup to begin. User Guide opens the manual; Web Site opens the product pages.</source>
        <translation>Cliquez sur «&#xa0;Configurer&#xa0;» pour commencer. «&#xa0;Guide&#xa0;» ouvre le guide de l&apos;utilisateur, «&#xa0;Site Web&#xa0;» les pages du produit.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+111"/>
        <source>This PC</source>
        <extracomment>Label under the drawing of a PC on the connection page; 110 px, one line.</extracomment>
        <translation>Ce PC</translation>
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
        <translation>Reliez ce PC et les points d&apos;accès au même segment Ethernet, puis cliquez sur «&#xa0;Suivant&#xa0;» pour lancer la recherche. Elle dure trois secondes.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+8"/>
        <source>Access points</source>
        <extracomment>Caption above the list of the access points that answered; 125 px, one line.</extracomment>
        <translation>Points d&apos;accès</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings of the selected one</source>
        <extracomment>Heading over the settings of the access point chosen in the list; 230 px, one line.</extracomment>
        <translation>Point d&apos;accès sélectionné</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Regulatory domain:</source>
        <extracomment>Label before the access point&apos;s value in the list page; 112 px, one line. Same term as the screen reader&apos;s &quot;Regulatory domain&quot;.</extracomment>
        <translation>Réglementation&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware version:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>Micrologiciel&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MAC address:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>Adresse MAC&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IP address:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>Adresse IP&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ESSID:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>ESSID&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>Canal&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>WEP&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+3"/>
        <source>Yes: change its settings.  No: close the utility.</source>
        <translation>Oui&#xa0;: modifier ses paramètres. Non&#xa0;: quitter l&apos;utilitaire.</translation>
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
        <translation>Le nom du réseau&#xa0;: de 1 à 32 caractères.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="-71"/>
        <location line="+73"/>
        <source>Channel</source>
        <extracomment>Field caption on the basic settings page, and a row name on the confirmation page (96 px).
----------
Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>Canal</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>The channels allowed in the access point&apos;s regulatory domain.</source>
        <translation>Les canaux autorisés par la réglementation du point d&apos;accès.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="-71"/>
        <source>Host Name</source>
        <extracomment>Field caption on the basic settings page; 200 px, one line.</extracomment>
        <translation>Nom d&apos;hôte</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+1"/>
        <source>The access point&apos;s own name: up to 31 characters.</source>
        <translation>Le nom du point d&apos;accès&#xa0;: 31 caractères au plus.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+12"/>
        <source>Set the address manually</source>
        <extracomment>Beside the radio button for a fixed address on the IP page; 160 px, one line.</extracomment>
        <translation>Adresse IP fixe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Obtain the address by DHCP</source>
        <extracomment>Beside the radio button for DHCP on the IP page; 180 px, one line.</extracomment>
        <translation>Adresse IP par DHCP</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>IP Address</source>
        <extracomment>Caption left of an address field on the IP page: 53 px on one line, or two lines broken with 
 where the language breaks it (56 px each, may be narrowed to 75 %).</extracomment>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Net Mask</source>
        <extracomment>Caption left of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Masque de
sous-réseau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gateway</source>
        <extracomment>Caption left of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Passerelle</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Four numbers from 0 to 255 separated by dots, such as 192.168.1.251. An empty field gets the usual default when you go on.</source>
        <translation>Quatre nombres de 0 à 255 séparés par des points, par exemple 192.168.1.251. Un champ laissé vide reçoit la valeur par défaut habituelle.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+66"/>
        <location filename="../tools/artgen/pages.cpp" line="+9"/>
        <source>WEP method</source>
        <extracomment>Caption above the list of WEP key sizes; 200 px, one line.</extracomment>
        <translation>Méthode WEP</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+3"/>
        <source>Disable, or a key size of 64, 128 or 256 bits.</source>
        <translation>Désactivé, ou une clé de 64, 128 ou 256 bits.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+2"/>
        <source>Pass phrase</source>
        <extracomment>Caption above the pass phrase field; 200 px, one line.</extracomment>
        <translation>Phrase secrète</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Up to 32 characters. The same pass phrase always gives the same keys.</source>
        <translation>32 caractères au plus. Une même phrase secrète donne toujours les mêmes clés.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+1"/>
        <location filename="../tools/artgen/pages.cpp" line="+9"/>
        <source>WEP key 1</source>
        <extracomment>Caption above the first key&apos;s field; 200 px, one line.</extracomment>
        <translation>Clé WEP 1</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Hexadecimal digits 0-9 and A-F: 10 digits for 64 bits, 26 for 128 bits, 58 for 256 bits. Keys 2 to 4 are made from the pass phrase and saved with it.</source>
        <translation>Chiffres hexadécimaux 0-9 et A-F&#xa0;: 10 chiffres pour 64 bits, 26 pour 128 bits, 58 pour 256 bits. Les clés 2 à 4 sont dérivées de la phrase secrète et enregistrées avec elle.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+12"/>
        <source>Current</source>
        <extracomment>Heading of the confirmation page&apos;s column of the values the access point has now (before the change); 150 px, one line.</extracomment>
        <translation>Actuel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New</source>
        <extracomment>Heading of the confirmation page&apos;s column of the values about to be saved (after the change); 100 px, one line.</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>IP address</source>
        <extracomment>Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>Adresse IP</translation>
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
        <translation>Oui&#xa0;: enregistrer. Le point d&apos;accès peut mettre 60 secondes à appliquer les paramètres.
Non&#xa0;: abandonner les modifications et relancer la recherche.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It may take the access point up to 60 seconds to apply them. Press Exit to close the utility.</source>
        <translation>Le point d&apos;accès peut mettre jusqu&apos;à 60 secondes à les appliquer. Cliquez sur «&#xa0;Quitter&#xa0;» pour fermer l&apos;utilitaire.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/faces.cpp" line="+60"/>
        <source>Setup</source>
        <extracomment>Button face: starts the wizard.</extracomment>
        <translation>Configurer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User Guide</source>
        <extracomment>Button face: opens the user guide.</extracomment>
        <translation>Guide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Web Site</source>
        <extracomment>Button face: opens the maker&apos;s web site.</extracomment>
        <translation>Site Web</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <extracomment>Button face: closes the program.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next</source>
        <extracomment>Button face: goes to the next page.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <extracomment>Button face: answers the page&apos;s question (go on, save).</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <extracomment>Button face: answers the page&apos;s question (close, discard).</extracomment>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>Button face: goes to the previous page.</extracomment>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <location filename="../app/accessibles.cpp" line="+22"/>
        <source>Setup</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Web Site</source>
        <translation>Site Web</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Désactivé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>64Bits</source>
        <extracomment>WEP key size list on the security page (about 90 px).</extracomment>
        <translation>64 bits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>128Bits</source>
        <extracomment>WEP key size list on the security page (about 90 px).</extracomment>
        <translation>128 bits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>256Bits</source>
        <extracomment>WEP key size list on the security page (about 90 px).</extracomment>
        <translation>256 bits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASCII: Enter 5,13,or 29 characters for 40,128, or 256 bits WEP Keys respectively</source>
        <translation>ASCII&#xa0;: saisissez 5, 13 ou 29 caractères pour une clé WEP de 64, 128 ou 256 bits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hexdecimal(0-9 &amp; a-f ,or a-f ): Enter 10, 26, 58 digits for 40,128, or 256 bits WEP Key respectively.</source>
        <translation>Hexadécimal (0-9, a-f)&#xa0;: saisissez 10, 26 ou 58 chiffres pour une clé WEP de 64, 128 ou 256 bits</translation>
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
        <translation>Usage : trx61-utility [--version] [--help] [--language CODE]
Recherche les points d&apos;accès sans fil TRX61 ver. 2.2 sur toutes les cartes
réseau de ce PC et modifie leurs paramètres dans une fenêtre. Il utilise le port
UDP 27155 : autorisez-le dans le pare-feu. Avec TRX61_DEBUG=1 dans
l&apos;environnement, il décrit son trafic réseau sur la sortie d&apos;erreur standard.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>It speaks the language of the system when it has it, and English otherwise.
--language CODE chooses one of these:
</source>
        <translation>Il s&apos;affiche dans la langue du système si elle est disponible, sinon en anglais.
--language CODE en choisit une parmi celles-ci :
</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <location filename="../app/pagewords.h" line="-113"/>
        <source>Welcome</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host name, ESSID, channel, IP settings and WEP keys.</source>
        <translation>Cet utilitaire recherche les points d&apos;accès sans fil TRX61 ver. 2.2 de votre réseau et vous permet de modifier leur nom d&apos;hôte, leur ESSID, leur canal, leurs paramètres IP et leurs clés WEP.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection method</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Mode de connexion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155).</source>
        <translation>L&apos;utilitaire dialogue avec les points d&apos;accès du segment Ethernet local par diffusion (port UDP 27155).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Access points found</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Points d&apos;accès trouvés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to change the settings of the selected access point?</source>
        <translation>Voulez-vous modifier les paramètres du point d&apos;accès sélectionné&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Paramètres de base</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name the wireless network and choose its radio channel.</source>
        <translation>Nommez le réseau sans fil et choisissez son canal radio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>IP settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Paramètres IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Give the access point a fixed address, or let a DHCP server assign one.</source>
        <translation>Donnez une adresse fixe au point d&apos;accès, ou laissez un serveur DHCP lui en attribuer une.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Security settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Paramètres de sécurité</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the WEP encryption and type a pass phrase; the keys are made from it.</source>
        <translation>Choisissez le chiffrement WEP et saisissez une phrase secrète&#xa0;; les clés en sont dérivées.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WEP key</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Clé WEP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The first key, made from your pass phrase. You may type your own key instead.</source>
        <translation>La première clé, dérivée de votre phrase secrète. Vous pouvez saisir votre propre clé à la place.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm the new settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Confirmer les nouveaux paramètres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to save these settings to the access point?</source>
        <translation>Voulez-vous enregistrer ces paramètres dans le point d&apos;accès&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings saved</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Paramètres enregistrés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The access point has acknowledged the new settings.</source>
        <translation>Le point d&apos;accès a accusé réception des nouveaux paramètres.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Checking the network connection</source>
        <extracomment>Title of the wait panel during a search or a save; 280 px, one line.</extracomment>
        <translation>Vérification de la connexion réseau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please wait...</source>
        <extracomment>Under the wait panel&apos;s title; 280 px, one line.</extracomment>
        <translation>Veuillez patienter…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No access point could be located</source>
        <extracomment>Title of the error panel: 340 px, up to two lines; also read out by screen readers.</extracomment>
        <translation>Aucun point d&apos;accès trouvé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No access point answered in time, or an answer could not be used.</source>
        <translation>Aucun point d&apos;accès n&apos;a répondu à temps, ou une réponse était inutilisable.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please check:</source>
        <extracomment>Heading of the error panel&apos;s check-list; 375 px, one line.</extracomment>
        <translation>Vérifiez les points suivants&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Ethernet cables of this PC and of the access point are plugged in, and their link lights are on.</source>
        <translation>Les câbles Ethernet du PC et du point d&apos;accès sont branchés et leurs voyants de liaison sont allumés.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This PC and the access point are on the same Ethernet segment (no router between them).</source>
        <translation>Le PC et le point d&apos;accès sont sur le même segment Ethernet (aucun routeur entre eux).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The access point is switched on and has finished starting up.</source>
        <translation>Le point d&apos;accès est sous tension et a fini de démarrer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A firewall on this PC lets UDP port 27155 through, in and out.</source>
        <translation>Le pare-feu de ce PC laisse passer le port UDP 27155, en entrée et en sortie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After saving, the access point may need up to 60 seconds before it answers again.</source>
        <translation>Après un enregistrement, le point d&apos;accès peut mettre jusqu&apos;à 60 secondes à répondre de nouveau.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Continue</source>
        <extracomment>The error panel&apos;s button-like bar: a click goes back to the page; 389 px, one line.</extracomment>
        <translation>Continuer</translation>
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
        <translation>Aucun programme permettant d&apos;afficher le guide de l&apos;utilisateur n&apos;a été trouvé sur cet ordinateur. Le guide est le fichier
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Opening the User Guide.</source>
        <extracomment>Said when the User Guide button is pressed, as the guide&apos;s window opens.</extracomment>
        <translation>Ouverture du guide de l&apos;utilisateur.</translation>
    </message>
    <message>
        <location filename="../app/form1.h" line="+55"/>
        <source>After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.</source>
        <translation>Une fois les paramètres enregistrés, le TRX61 ver. 2.2 peut mettre 60 secondes à redevenir disponible.</translation>
    </message>
    <message>
        <location filename="../wizard/checks.cpp" line="+18"/>
        <source>Wrong IP address value!</source>
        <translation>Adresse IP incorrecte&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong NetMask IP address value!</source>
        <translation>Masque de sous-réseau incorrect&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong GateWay IP address value!</source>
        <translation>Passerelle incorrecte&#xa0;!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Part %1 is empty.</source>
        <translation>La partie %1 est vide.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Part %1, %2, is no number from 0 to 255.</source>
        <extracomment>%1: which of the address&apos;s four parts, counted from 1; %2: that part as typed.</extracomment>
        <translation>La partie %1, %2, n&apos;est pas un nombre de 0 à 255.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>An address is four numbers separated by dots; this one has %n part(s).</source>
        <translation>
            <numerusform>Une adresse se compose de quatre nombres séparés par des points&#xa0;; celle-ci compte %n partie.</numerusform>
            <numerusform>Une adresse se compose de quatre nombres séparés par des points&#xa0;; celle-ci compte %n parties.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The gateway %1 is outside the subnet of %2 with net mask %3: the access point cannot reach it.</source>
        <translation>La passerelle %1 est hors du sous-réseau de %2 avec le masque de sous-réseau %3&#xa0;: le point d&apos;accès ne peut pas l&apos;atteindre.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Wrong ESSID value!</source>
        <translation>ESSID incorrect&#xa0;!</translation>
    </message>
    <message>
        <location filename="../wizard/receive.cpp" line="+125"/>
        <source>The changes made for %1 were dropped.</source>
        <extracomment>Said when another access point is chosen in the list: %1 is the host name of the one whose typed changes are lost.</extracomment>
        <translation>Les modifications faites pour %1 ont été abandonnées.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (another device has the same MAC address)</source>
        <extracomment>Screen-reader name of a list entry (%1: its host name) when another device answers with its MAC address.</extracomment>
        <translation>%1 (un autre appareil a la même adresse MAC)</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+29"/>
        <source>Error</source>
        <extracomment>Shown as the regulatory domain&apos;s value (list page, 1 line, about 120 px) when the access point reports a domain code the program does not know.</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../wizard/wep.cpp" line="+13"/>
        <source>Wrong Wep-Key1 Length!</source>
        <translation>Longueur de la clé WEP 1 incorrecte&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong Wep-Key1 Word!</source>
        <translation>La clé WEP 1 contient des caractères non valides&#xa0;!</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>With WEP on, an empty pass phrase would make every key zeros, which anyone can use. Type a pass phrase; on the next page you may type a key of your own instead.</source>
        <extracomment>Refusal on the security page when WEP is on and the pass phrase is empty.</extracomment>
        <translation>Avec le WEP activé, une phrase secrète vide donnerait des clés faites uniquement de zéros, que n&apos;importe qui peut utiliser. Saisissez une phrase secrète&#xa0;; à la page suivante, vous pourrez saisir votre propre clé à la place.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A key of all zeros is one anyone can use. Type another key, or go back and type a pass phrase.</source>
        <extracomment>Refusal on the WEP key page when key 1 is typed as all zeros.</extracomment>
        <translation>Une clé faite uniquement de zéros peut être utilisée par n&apos;importe qui. Saisissez une autre clé, ou revenez en arrière et saisissez une phrase secrète.</translation>
    </message>
    <message>
        <location filename="../app/accessibles.cpp" line="+162"/>
        <source>Filled in, hidden.</source>
        <translation>Rempli, masqué.</translation>
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
        <translation>Canal</translation>
    </message>
    <message>
        <location line="-36"/>
        <location filename="../wizard/changes.cpp" line="+4"/>
        <source>Host Name</source>
        <translation>Nom d&apos;hôte</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <location filename="../wizard/changes.cpp" line="-6"/>
        <source>IP Address</source>
        <extracomment>Screen-reader name of an address field, read and brailled: one line, never a line break (the caption drawn on the picture, context Artwork, may take two).</extracomment>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <location line="-10"/>
        <location filename="../wizard/changes.cpp" line="+8"/>
        <source>Net Mask</source>
        <extracomment>Screen-reader name of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../wizard/changes.cpp" line="+1"/>
        <source>Gateway</source>
        <extracomment>Screen-reader name of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Passerelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obtain the address by DHCP</source>
        <translation>Adresse IP par DHCP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set the address manually</source>
        <translation>Adresse IP fixe</translation>
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
        <translation>Phrase secrète</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 2</source>
        <translation>Clé 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 3</source>
        <translation>Clé 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 4</source>
        <translation>Clé 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access points</source>
        <translation>Points d&apos;accès</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Regulatory domain</source>
        <translation>Réglementation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MAC address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Remembered pass phrase</source>
        <translation>Phrase secrète mémorisée</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>At most %n characters.</source>
        <extracomment>Said once when typing stops at a field&apos;s limit.</extracomment>
        <translation>
            <numerusform>%n caractère au maximum.</numerusform>
            <numerusform>%n caractères au maximum.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regulatory domain %1, firmware version %2, MAC address %3, IP address %4, ESSID %5, channel %6, WEP %7.</source>
        <translation>Réglementation %1, version du micrologiciel %2, adresse MAC %3, adresse IP %4, ESSID %5, canal %6, WEP %7.</translation>
    </message>
    <message>
        <location filename="../wizard/changes.cpp" line="-20"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Was %1.</source>
        <translation>Avant&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1: %2, unchanged.</source>
        <translation>%1&#xa0;: %2, sans changement.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>WEP keys: unchanged.</source>
        <translation>Clés WEP&#xa0;: inchangées.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new; key 1 as typed, keys 2 to 4 made from the pass phrase.</source>
        <translation>Clés WEP&#xa0;: nouvelles&#xa0;; clé 1 telle que saisie, clés 2 à 4 dérivées de la phrase secrète.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new, made from the new pass phrase.</source>
        <translation>Clés WEP&#xa0;: nouvelles, dérivées de la nouvelle phrase secrète.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new, made from the pass phrase.</source>
        <translation>Clés WEP&#xa0;: nouvelles, dérivées de la phrase secrète.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Key in use: key 1, was key %1.</source>
        <translation>Clé utilisée&#xa0;: clé 1, avant&#xa0;: clé %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key in use: key 1.</source>
        <translation>Clé utilisée&#xa0;: clé 1.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+23"/>
        <source>chosen</source>
        <translation>sélectionné</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>not chosen</source>
        <translation>non sélectionné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saving the settings to the access point.</source>
        <translation>Enregistrement des paramètres dans le point d&apos;accès.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 access point answered.</source>
        <translation>1 point d&apos;accès a répondu.</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n access points answered.</source>
        <translation>
            <numerusform>%n point d&apos;accès a répondu.</numerusform>
            <numerusform>%n points d&apos;accès ont répondu.</numerusform>
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
        <translation>%1&#xa0;: %2, avant&#xa0;: %3.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+8"/>
        <location line="+20"/>
        <location filename="../wizard/steps.cpp" line="+143"/>
        <source>The changes were not saved.</source>
        <translation>Les modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+20"/>
        <source>The utility closes.</source>
        <translation>L&apos;utilitaire se ferme.</translation>
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
        <translation>Plus d&apos;un appareil répond avec l&apos;adresse MAC %1. Chacun d&apos;eux peut prendre ces paramètres. Enregistrer quand même&#xa0;?</translation>
    </message>
</context>
</TS>
