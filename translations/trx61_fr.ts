<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Artwork</name>
    <message>
        <source>Wireless Access Point Setup Utility</source>
        <translation>Utilitaire de configuration du point d&apos;accès sans fil</translation>
    </message>
    <message>
        <source>Press Setup to begin. User Guide opens the manual; Web Site opens the product pages.</source>
        <translation>Cliquez sur «&#xa0;Configurer&#xa0;» pour commencer. «&#xa0;Manuel&#xa0;» ouvre le guide, «&#xa0;Site Web&#xa0;» les pages du produit.</translation>
    </message>
    <message>
        <source>This PC</source>
        <translation>Ce PC</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Connect this PC and the access points to the same Ethernet segment, then press Next to search. The search takes three seconds.</source>
        <translation>Reliez ce PC et les points d&apos;accès au même segment Ethernet, puis cliquez sur «&#xa0;Suivant&#xa0;» pour lancer la recherche. Elle dure trois secondes.</translation>
    </message>
    <message>
        <source>Access points</source>
        <translation>Points d&apos;accès</translation>
    </message>
    <message>
        <source>Settings of the selected one</source>
        <translation>Paramètres du point sélectionné</translation>
    </message>
    <message>
        <source>Regulatory domain:</source>
        <translation>Réglementation&#xa0;:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Version firmware&#xa0;:</translation>
    </message>
    <message>
        <source>MAC address:</source>
        <translation>Adresse MAC&#xa0;:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresse IP&#xa0;:</translation>
    </message>
    <message>
        <source>ESSID:</source>
        <translation>ESSID&#xa0;:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canal&#xa0;:</translation>
    </message>
    <message>
        <source>WEP:</source>
        <translation>WEP&#xa0;:</translation>
    </message>
    <message>
        <source>Yes: change its settings.  No: close the utility.</source>
        <translation>Oui&#xa0;: modifier ses paramètres.  Non&#xa0;: quitter l&apos;utilitaire.</translation>
    </message>
    <message>
        <source>ESSID</source>
        <translation>ESSID</translation>
    </message>
    <message>
        <source>The network name: 1 to 32 characters.</source>
        <translation>Le nom du réseau&#xa0;: de 1 à 32 caractères.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>The channels allowed in the access point&apos;s regulatory domain.</source>
        <translation>Les canaux autorisés par la réglementation du point d&apos;accès.</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>Nom d&apos;hôte</translation>
    </message>
    <message>
        <source>The access point&apos;s own name: up to 31 characters.</source>
        <translation>Le nom du point d&apos;accès&#xa0;: 31 caractères au plus.</translation>
    </message>
    <message>
        <source>Set the address manually</source>
        <translation>Adresse manuelle</translation>
    </message>
    <message>
        <source>Obtain the address by DHCP</source>
        <translation>Adresse obtenue par DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 separated by dots, such as 192.168.1.251. An empty field gets the usual default when you go on.</source>
        <translation>Quatre nombres de 0 à 255 séparés par des points, par exemple 192.168.1.251. Un champ laissé vide reçoit la valeur par défaut habituelle.</translation>
    </message>
    <message>
        <source>WEP method</source>
        <translation>Méthode WEP</translation>
    </message>
    <message>
        <source>Disable, or a key size of 64, 128 or 256 bits.</source>
        <translation>Désactivé, ou une clé de 64, 128 ou 256 bits.</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Phrase secrète</translation>
    </message>
    <message>
        <source>Up to 32 characters. The same pass phrase always gives the same keys.</source>
        <translation>32 caractères au plus. Une même phrase secrète donne toujours les mêmes clés.</translation>
    </message>
    <message>
        <source>WEP key 1</source>
        <translation>Clé WEP 1</translation>
    </message>
    <message>
        <source>Hexadecimal digits 0-9 and A-F: 10 digits for 64 bits, 26 for 128 bits, 58 for 256 bits. Keys 2 to 4 are made from the pass phrase and saved with it.</source>
        <translation>Chiffres hexadécimaux 0-9 et A-F&#xa0;: 10 chiffres pour 64 bits, 26 pour 128 bits, 58 pour 256 bits. Les clés 2 à 4 sont dérivées de la phrase secrète et enregistrées avec elle.</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <source>Yes: save. The access point may need 60 seconds to apply the settings.
No: discard the changes and search again.</source>
        <translation>Oui&#xa0;: enregistrer. Le point d&apos;accès peut mettre 60 secondes à appliquer les paramètres.
Non&#xa0;: abandonner les modifications et relancer la recherche.</translation>
    </message>
    <message>
        <source>It may take the access point up to 60 seconds to apply them. Press Exit to close the utility.</source>
        <translation>Le point d&apos;accès peut mettre jusqu&apos;à 60 secondes à les appliquer. Cliquez sur «&#xa0;Quitter&#xa0;» pour fermer l&apos;utilitaire.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Site Web</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Setup</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Site Web</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>64Bits</source>
        <translation>64 bits</translation>
    </message>
    <message>
        <source>128Bits</source>
        <translation>128 bits</translation>
    </message>
    <message>
        <source>256Bits</source>
        <translation>256 bits</translation>
    </message>
    <message>
        <source>ASCII: Enter 5,13,or 29 characters for 40,128, or 256 bits WEP Keys respectively</source>
        <translation>ASCII&#xa0;: saisissez 5, 13 ou 29 caractères pour une clé WEP de 64, 128 ou 256 bits</translation>
    </message>
    <message>
        <source>Hexdecimal(0-9 &amp; a-f ,or a-f ): Enter 10, 26, 58 digits for 40,128, or 256 bits WEP Key respectively.</source>
        <translation>Hexadécimal (0-9, a-f)&#xa0;: saisissez 10, 26 ou 58 chiffres pour une clé WEP de 64, 128 ou 256 bits</translation>
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
        <translation>Usage : trx61-utility [--version] [--help] [--language CODE]
Recherche les points d&apos;accès sans fil TRX61 ver. 2.2 sur toutes les cartes
réseau de ce PC et modifie leurs paramètres dans une fenêtre. Il utilise le port
UDP 27155 : autorisez-le dans le pare-feu. Avec TRX61_DEBUG=1 dans
l&apos;environnement, il décrit son trafic réseau sur la sortie d&apos;erreur standard.
</translation>
    </message>
    <message>
        <source>It speaks the language of the system when it has it, and English otherwise.
--language CODE chooses one of these:
</source>
        <translation>Il parle la langue du système s&apos;il la connaît, l&apos;anglais sinon.
--language CODE en choisit une parmi celles-ci :
</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host name, ESSID, channel, IP settings and WEP keys.</source>
        <translation>Cet utilitaire recherche les points d&apos;accès sans fil TRX61 ver. 2.2 de votre réseau et modifie leur nom d&apos;hôte, leur ESSID, leur canal, leurs paramètres IP et leurs clés WEP.</translation>
    </message>
    <message>
        <source>Connection method</source>
        <translation>Mode de connexion</translation>
    </message>
    <message>
        <source>The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155).</source>
        <translation>L&apos;utilitaire dialogue avec les points d&apos;accès du segment Ethernet local par diffusion (port UDP 27155).</translation>
    </message>
    <message>
        <source>Access points found</source>
        <translation>Points d&apos;accès trouvés</translation>
    </message>
    <message>
        <source>Do you want to change the settings of the selected access point?</source>
        <translation>Voulez-vous modifier les paramètres du point d&apos;accès sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Paramètres de base</translation>
    </message>
    <message>
        <source>Name the wireless network and choose its radio channel.</source>
        <translation>Nommez le réseau sans fil et choisissez son canal radio.</translation>
    </message>
    <message>
        <source>IP settings</source>
        <translation>Paramètres IP</translation>
    </message>
    <message>
        <source>Give the access point a fixed address, or let a DHCP server assign one.</source>
        <translation>Donnez une adresse fixe au point d&apos;accès, ou laissez un serveur DHCP lui en attribuer une.</translation>
    </message>
    <message>
        <source>Security settings</source>
        <translation>Paramètres de sécurité</translation>
    </message>
    <message>
        <source>Choose the WEP encryption and type a pass phrase; the keys are made from it.</source>
        <translation>Choisissez le chiffrement WEP et saisissez une phrase secrète&#xa0;; les clés en sont dérivées.</translation>
    </message>
    <message>
        <source>WEP key</source>
        <translation>Clé WEP</translation>
    </message>
    <message>
        <source>The first key, made from your pass phrase. You may type your own key instead.</source>
        <translation>La première clé, dérivée de votre phrase secrète. Vous pouvez saisir votre propre clé à la place.</translation>
    </message>
    <message>
        <source>Confirm the new settings</source>
        <translation>Confirmer les nouveaux paramètres</translation>
    </message>
    <message>
        <source>Do you want to save these settings to the access point?</source>
        <translation>Voulez-vous enregistrer ces paramètres dans le point d&apos;accès&#xa0;?</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Paramètres enregistrés</translation>
    </message>
    <message>
        <source>The access point has acknowledged the new settings.</source>
        <translation>Le point d&apos;accès a confirmé la réception des nouveaux paramètres.</translation>
    </message>
    <message>
        <source>Checking the network connection</source>
        <translation>Vérification de la connexion réseau</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>No access point could be located</source>
        <translation>Aucun point d&apos;accès trouvé</translation>
    </message>
    <message>
        <source>No access point answered in time, or an answer could not be used.</source>
        <translation>Aucun point d&apos;accès n&apos;a répondu à temps, ou une réponse était inutilisable.</translation>
    </message>
    <message>
        <source>Please check:</source>
        <translation>Vérifiez les points suivants&#xa0;:</translation>
    </message>
    <message>
        <source>The Ethernet cables of this PC and of the access point are plugged in, and their link lights are on.</source>
        <translation>Les câbles Ethernet du PC et du point d&apos;accès sont branchés et leurs voyants de liaison sont allumés.</translation>
    </message>
    <message>
        <source>This PC and the access point are on the same Ethernet segment (no router between them).</source>
        <translation>Le PC et le point d&apos;accès sont sur le même segment Ethernet (aucun routeur entre eux).</translation>
    </message>
    <message>
        <source>The access point is switched on and has finished starting up.</source>
        <translation>Le point d&apos;accès est sous tension et a fini de démarrer.</translation>
    </message>
    <message>
        <source>A firewall on this PC lets UDP port 27155 through, in and out.</source>
        <translation>Le pare-feu de ce PC laisse passer le port UDP 27155, en entrée et en sortie.</translation>
    </message>
    <message>
        <source>After saving, the access point may need up to 60 seconds before it answers again.</source>
        <translation>Après un enregistrement, le point d&apos;accès peut mettre jusqu&apos;à 60 secondes à répondre de nouveau.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>The access point did not acknowledge the settings</source>
        <translation>Le point d&apos;accès n&apos;a pas confirmé les paramètres</translation>
    </message>
    <message>
        <source>No acknowledgement arrived in time: the settings may not have been saved.</source>
        <translation>Aucune confirmation n&apos;est arrivée à temps&#xa0;: les paramètres n&apos;ont peut-être pas été enregistrés.</translation>
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
        <translation>Aucun programme permettant d&apos;afficher le guide de l&apos;utilisateur n&apos;a été trouvé sur cet ordinateur. Le guide est le fichier
%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The user guide can only be viewed with Adobe Reader!<byte value="xd"/>
<byte value="xd"/>
        Do you want install Acrobat Reader 5.0.5?</source>
        <translation>
Le guide de l&apos;utilisateur ne peut être lu qu&apos;avec Adobe Reader&#xa0;!

        Voulez-vous installer Acrobat Reader 5.0.5&#xa0;?</translation>
    </message>
    <message>
        <source>After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.</source>
        <translation>Une fois les paramètres enregistrés, le TRX61 ver. 2.2 peut mettre 60 secondes à redevenir disponible.</translation>
    </message>
    <message>
        <source>Wrong IP address value!</source>
        <translation>Adresse IP incorrecte&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong NetMask IP address value!</source>
        <translation>Masque de sous-réseau incorrect&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong GateWay IP address value!</source>
        <translation>Passerelle incorrecte&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong ESSID value!</source>
        <translation>ESSID incorrect&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Wrong Wep-Key1 Length!</source>
        <translation>Longueur de la clé WEP 1 incorrecte&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong Wep-Key1 Word!</source>
        <translation>La clé WEP 1 contient des caractères non valides&#xa0;!</translation>
    </message>
    <message>
        <source>ESSID</source>
        <translation>ESSID</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>Nom d&apos;hôte</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Obtain the address by DHCP</source>
        <translation>Adresse obtenue par DHCP</translation>
    </message>
    <message>
        <source>Set the address manually</source>
        <translation>Adresse manuelle</translation>
    </message>
    <message>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <source>Pass Phrase</source>
        <translation>Phrase secrète</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Clé 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Clé 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Clé 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Clé 4</translation>
    </message>
    <message>
        <source>Access points</source>
        <translation>Points d&apos;accès</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Regulatory domain</source>
        <translation>Domaine réglementaire</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Remembered pass phrase</source>
        <translation>Phrase secrète mémorisée</translation>
    </message>
    <message>
        <source>Regulatory domain %1, firmware version %2, MAC address %3, IP address %4, ESSID %5, channel %6, WEP %7.</source>
        <translation>Domaine réglementaire %1, version du micrologiciel %2, adresse MAC %3, adresse IP %4, ESSID %5, canal %6, WEP %7.</translation>
    </message>
    <message>
        <source>Was %1.</source>
        <translation>Avant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Saving the settings to the access point.</source>
        <translation>Enregistrement des paramètres dans le point d&apos;accès.</translation>
    </message>
    <message>
        <source>1 access point answered.</source>
        <translation>1 point d&apos;accès a répondu.</translation>
    </message>
    <message numerus="yes">
        <source>%n access points answered.</source>
        <translation>
            <numerusform>%n point d&apos;accès a répondu.</numerusform>
            <numerusform>%n points d&apos;accès ont répondu.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, was %3.</source>
        <translation>%1&#xa0;: %2, avant&#xa0;: %3.</translation>
    </message>
</context>
</TS>
