<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+45"/>
        <source>Wireless Access Point Setup Utility</source>
        <extracomment>Subtitle in the header band of every page, under &quot;TRX61 ver. 2.2&quot;; 360 px, one line.</extracomment>
        <translation>Utilidad de configuración del punto de acceso inalámbrico</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+108"/>
        <source>Press Setup to begin. User Guide opens the manual; Web Site opens the product pages.</source>
        <translation>Pulse «Configurar» para empezar. «Guía» abre la guía del usuario; «Sitio web», las páginas del producto.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+111"/>
        <source>This PC</source>
        <extracomment>Label under the drawing of a PC on the connection page; 110 px, one line.</extracomment>
        <translation>Este PC</translation>
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
        <translation>Conecte este PC y los puntos de acceso al mismo segmento Ethernet y pulse «Siguiente» para buscar. La búsqueda tarda tres segundos.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+8"/>
        <source>Access points</source>
        <extracomment>Caption above the list of the access points that answered; 125 px, one line.</extracomment>
        <translation>Puntos de acceso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings of the selected one</source>
        <extracomment>Heading over the settings of the access point chosen in the list; 230 px, one line.</extracomment>
        <translation>Punto de acceso seleccionado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Regulatory domain:</source>
        <extracomment>Label before the access point&apos;s value in the list page; 112 px, one line. Same term as the screen reader&apos;s &quot;Regulatory domain&quot;.</extracomment>
        <translation>Dominio regulatorio:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware version:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>Versión de firmware:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MAC address:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>Dirección MAC:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IP address:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>Dirección IP:</translation>
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
        <translation>Canal:</translation>
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
        <translation>Sí: cambiar su configuración. No: cerrar la utilidad.</translation>
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
        <translation>El nombre de la red: de 1 a 32 caracteres.</translation>
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
        <translation>Los canales permitidos en el dominio regulatorio del punto de acceso.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="-71"/>
        <source>Host Name</source>
        <extracomment>Field caption on the basic settings page; 200 px, one line.</extracomment>
        <translation>Nombre de host</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+1"/>
        <source>The access point&apos;s own name: up to 31 characters.</source>
        <translation>El nombre del punto de acceso: hasta 31 caracteres.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+12"/>
        <source>Set the address manually</source>
        <extracomment>Beside the radio button for a fixed address on the IP page; 160 px, one line.</extracomment>
        <translation>Dirección IP fija</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Obtain the address by DHCP</source>
        <extracomment>Beside the radio button for DHCP on the IP page; 180 px, one line.</extracomment>
        <translation>Obtener dirección por DHCP</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>IP Address</source>
        <extracomment>Caption left of an address field on the IP page: 53 px on one line, or two lines broken with 
 where the language breaks it (56 px each, may be narrowed to 75 %).</extracomment>
        <translation>Dirección
IP</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Net Mask</source>
        <extracomment>Caption left of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Máscara de
subred</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gateway</source>
        <extracomment>Caption left of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Puerta de
enlace</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Four numbers from 0 to 255 separated by dots, such as 192.168.1.251. An empty field gets the usual default when you go on.</source>
        <translation>Cuatro números de 0 a 255 separados por puntos, como 192.168.1.251. Un campo vacío recibe el valor predeterminado habitual al continuar.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+66"/>
        <location filename="../tools/artgen/pages.cpp" line="+9"/>
        <source>WEP method</source>
        <extracomment>Caption above the list of WEP key sizes; 200 px, one line.</extracomment>
        <translation>Método WEP</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+3"/>
        <source>Disable, or a key size of 64, 128 or 256 bits.</source>
        <translation>Desactivado, o una clave de 64, 128 o 256 bits.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+2"/>
        <source>Pass phrase</source>
        <extracomment>Caption above the pass phrase field; 200 px, one line.</extracomment>
        <translation>Frase de contraseña</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Up to 32 characters. The same pass phrase always gives the same keys.</source>
        <translation>Hasta 32 caracteres. La misma frase de contraseña da siempre las mismas claves.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+1"/>
        <location filename="../tools/artgen/pages.cpp" line="+9"/>
        <source>WEP key 1</source>
        <extracomment>Caption above the first key&apos;s field; 200 px, one line.</extracomment>
        <translation>Clave WEP 1</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Hexadecimal digits 0-9 and A-F: 10 digits for 64 bits, 26 for 128 bits, 58 for 256 bits. Keys 2 to 4 are made from the pass phrase and saved with it.</source>
        <translation>Dígitos hexadecimales 0-9 y A-F: 10 dígitos para 64 bits, 26 para 128 bits, 58 para 256 bits. Las claves 2 a 4 se generan a partir de la frase de contraseña y se guardan con ella.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+12"/>
        <source>Current</source>
        <extracomment>Heading of the confirmation page&apos;s column of the values the access point has now (before the change); 150 px, one line.</extracomment>
        <translation>Actual</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New</source>
        <extracomment>Heading of the confirmation page&apos;s column of the values about to be saved (after the change); 100 px, one line.</extracomment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>IP address</source>
        <extracomment>Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>Dirección IP</translation>
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
        <translation>Sí: guardar. El punto de acceso puede tardar 60 segundos en aplicar la configuración.
No: descartar los cambios y volver a buscar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It may take the access point up to 60 seconds to apply them. Press Exit to close the utility.</source>
        <translation>El punto de acceso puede tardar hasta 60 segundos en aplicarla. Pulse «Salir» para cerrar la utilidad.</translation>
    </message>
    <message>
        <location filename="../tools/artgen/faces.cpp" line="+60"/>
        <source>Setup</source>
        <extracomment>Button face: starts the wizard.</extracomment>
        <translation>Configurar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User Guide</source>
        <extracomment>Button face: opens the user guide.</extracomment>
        <translation>Guía</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Web Site</source>
        <extracomment>Button face: opens the maker&apos;s web site.</extracomment>
        <translation>Sitio web</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <extracomment>Button face: closes the program.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next</source>
        <extracomment>Button face: goes to the next page.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <extracomment>Button face: answers the page&apos;s question (go on, save).</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <extracomment>Button face: answers the page&apos;s question (close, discard).</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>Button face: goes to the previous page.</extracomment>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <location filename="../app/accessibles.cpp" line="+22"/>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Web Site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Desactivado</translation>
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
        <translation>ASCII: introduzca 5, 13 o 29 caracteres para una clave WEP de 64, 128 o 256 bits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hexdecimal(0-9 &amp; a-f ,or a-f ): Enter 10, 26, 58 digits for 40,128, or 256 bits WEP Key respectively.</source>
        <translation>Hexadecimal (0-9, a-f): introduzca 10, 26 o 58 dígitos para una clave WEP de 64, 128 o 256 bits</translation>
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
        <translation>Uso: trx61-utility [--version] [--help] [--language CODE]
Busca puntos de acceso inalámbricos TRX61 ver. 2.2 en todos los adaptadores de
red de este PC y cambia su configuración en una ventana. Usa el puerto UDP 27155:
permítalo en el firewall. Con TRX61_DEBUG=1 en el entorno, informa de su tráfico
de red en la salida de error estándar.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>It speaks the language of the system when it has it, and English otherwise.
--language CODE chooses one of these:
</source>
        <translation>Usa el idioma del sistema si está disponible y, si no, el inglés.
--language CODE elige uno de estos:
</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <location filename="../app/pagewords.h" line="-113"/>
        <source>Welcome</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Le damos la bienvenida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host name, ESSID, channel, IP settings and WEP keys.</source>
        <translation>Esta utilidad busca los puntos de acceso inalámbricos TRX61 ver. 2.2 de su red y le permite cambiar su nombre de host, ESSID, canal, configuración IP y claves WEP.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection method</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Método de conexión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155).</source>
        <translation>La utilidad se comunica con los puntos de acceso del segmento Ethernet local mediante difusión (puerto UDP 27155).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Access points found</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Puntos de acceso encontrados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to change the settings of the selected access point?</source>
        <translation>¿Desea cambiar la configuración del punto de acceso seleccionado?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Configuración básica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name the wireless network and choose its radio channel.</source>
        <translation>Dé un nombre a la red inalámbrica y elija su canal de radio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>IP settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Configuración IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Give the access point a fixed address, or let a DHCP server assign one.</source>
        <translation>Asigne una dirección fija al punto de acceso o deje que un servidor DHCP le asigne una.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Security settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Configuración de seguridad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the WEP encryption and type a pass phrase; the keys are made from it.</source>
        <translation>Elija el cifrado WEP y escriba una frase de contraseña; las claves se generan a partir de ella.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WEP key</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Clave WEP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The first key, made from your pass phrase. You may type your own key instead.</source>
        <translation>La primera clave, generada a partir de su frase de contraseña. Puede escribir su propia clave en su lugar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm the new settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Confirmar la nueva configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to save these settings to the access point?</source>
        <translation>¿Desea guardar esta configuración en el punto de acceso?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings saved</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>Configuración guardada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The access point has acknowledged the new settings.</source>
        <translation>El punto de acceso ha confirmado la nueva configuración.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Checking the network connection</source>
        <extracomment>Title of the wait panel during a search or a save; 280 px, one line.</extracomment>
        <translation>Comprobando la conexión de red</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please wait...</source>
        <extracomment>Under the wait panel&apos;s title; 280 px, one line.</extracomment>
        <translation>Espere, por favor…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No access point could be located</source>
        <extracomment>Title of the error panel: 340 px, up to two lines; also read out by screen readers.</extracomment>
        <translation>No se encontró ningún punto de acceso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No access point answered in time, or an answer could not be used.</source>
        <translation>Ningún punto de acceso respondió a tiempo, o una respuesta no se pudo usar.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please check:</source>
        <extracomment>Heading of the error panel&apos;s check-list; 375 px, one line.</extracomment>
        <translation>Compruebe lo siguiente:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Ethernet cables of this PC and of the access point are plugged in, and their link lights are on.</source>
        <translation>Los cables Ethernet del PC y del punto de acceso están conectados y sus indicadores (LED) de enlace, encendidos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This PC and the access point are on the same Ethernet segment (no router between them).</source>
        <translation>El PC y el punto de acceso están en el mismo segmento Ethernet (sin ningún router entre ellos).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The access point is switched on and has finished starting up.</source>
        <translation>El punto de acceso está encendido y ha terminado de arrancar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A firewall on this PC lets UDP port 27155 through, in and out.</source>
        <translation>El firewall de este PC deja pasar el puerto UDP 27155, de entrada y de salida.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After saving, the access point may need up to 60 seconds before it answers again.</source>
        <translation>Tras guardar, el punto de acceso puede tardar hasta 60 segundos en volver a responder.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Continue</source>
        <extracomment>The error panel&apos;s button-like bar: a click goes back to the page; 389 px, one line.</extracomment>
        <translation>Continuar</translation>
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
        <translation>Información</translation>
    </message>
    <message>
        <location filename="../app/help.cpp" line="+41"/>
        <source>No program to show the user guide was found on this computer. The guide is the file
%1</source>
        <translation>No se encontró en este equipo ningún programa para mostrar la guía del usuario. La guía es el archivo
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Opening the User Guide.</source>
        <extracomment>Said when the User Guide button is pressed, as the guide&apos;s window opens.</extracomment>
        <translation>Abriendo la guía del usuario.</translation>
    </message>
    <message>
        <location filename="../app/form1.h" line="+55"/>
        <source>After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.</source>
        <translation>Tras guardar la configuración, el TRX61 ver. 2.2 puede tardar 60 segundos en estar disponible.</translation>
    </message>
    <message>
        <location filename="../wizard/checks.cpp" line="+18"/>
        <source>Wrong IP address value!</source>
        <translation>¡Dirección IP incorrecta!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong NetMask IP address value!</source>
        <translation>¡Máscara de subred incorrecta!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong GateWay IP address value!</source>
        <translation>¡Puerta de enlace incorrecta!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Part %1 is empty.</source>
        <translation>La parte %1 está vacía.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Part %1, %2, is no number from 0 to 255.</source>
        <extracomment>%1: which of the address&apos;s four parts, counted from 1; %2: that part as typed.</extracomment>
        <translation>La parte %1, %2, no es un número de 0 a 255.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>An address is four numbers separated by dots; this one has %n part(s).</source>
        <translation>
            <numerusform>Una dirección son cuatro números separados por puntos; esta tiene %n parte.</numerusform>
            <numerusform>Una dirección son cuatro números separados por puntos; esta tiene %n partes.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The gateway %1 is outside the subnet of %2 with net mask %3: the access point cannot reach it.</source>
        <translation>La puerta de enlace %1 está fuera de la subred de %2 con máscara de subred %3: el punto de acceso no puede alcanzarla.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Wrong ESSID value!</source>
        <translation>¡ESSID incorrecto!</translation>
    </message>
    <message>
        <location filename="../wizard/receive.cpp" line="+125"/>
        <source>The changes made for %1 were dropped.</source>
        <extracomment>Said when another access point is chosen in the list: %1 is the host name of the one whose typed changes are lost.</extracomment>
        <translation>Se han descartado los cambios hechos para %1.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (another device has the same MAC address)</source>
        <extracomment>Screen-reader name of a list entry (%1: its host name) when another device answers with its MAC address.</extracomment>
        <translation>%1 (otro dispositivo tiene la misma dirección MAC)</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+29"/>
        <source>Error</source>
        <extracomment>Shown as the regulatory domain&apos;s value (list page, 1 line, about 120 px) when the access point reports a domain code the program does not know.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../wizard/wep.cpp" line="+13"/>
        <source>Wrong Wep-Key1 Length!</source>
        <translation>¡Longitud incorrecta de la clave WEP 1!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong Wep-Key1 Word!</source>
        <translation>¡La clave WEP 1 contiene caracteres no válidos!</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>With WEP on, an empty pass phrase would make every key zeros, which anyone can use. Type a pass phrase; on the next page you may type a key of your own instead.</source>
        <extracomment>Refusal on the security page when WEP is on and the pass phrase is empty.</extracomment>
        <translation>Con WEP activado, una frase de contraseña vacía haría que todas las claves fueran ceros, y cualquiera podría usarlas. Escriba una frase de contraseña; en la página siguiente puede escribir una clave propia en su lugar.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A key of all zeros is one anyone can use. Type another key, or go back and type a pass phrase.</source>
        <extracomment>Refusal on the WEP key page when key 1 is typed as all zeros.</extracomment>
        <translation>Una clave de solo ceros la puede usar cualquiera. Escriba otra clave, o vuelva atrás y escriba una frase de contraseña.</translation>
    </message>
    <message>
        <location filename="../app/accessibles.cpp" line="+162"/>
        <source>Filled in, hidden.</source>
        <translation>Con contenido, oculto.</translation>
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
        <translation>Nombre de host</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <location filename="../wizard/changes.cpp" line="-6"/>
        <source>IP Address</source>
        <extracomment>Screen-reader name of an address field, read and brailled: one line, never a line break (the caption drawn on the picture, context Artwork, may take two).</extracomment>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <location line="-10"/>
        <location filename="../wizard/changes.cpp" line="+8"/>
        <source>Net Mask</source>
        <extracomment>Screen-reader name of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../wizard/changes.cpp" line="+1"/>
        <source>Gateway</source>
        <extracomment>Screen-reader name of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obtain the address by DHCP</source>
        <translation>Obtener dirección por DHCP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set the address manually</source>
        <translation>Dirección IP fija</translation>
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
        <translation>Frase de contraseña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 2</source>
        <translation>Clave 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 3</source>
        <translation>Clave 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 4</source>
        <translation>Clave 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access points</source>
        <translation>Puntos de acceso</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Regulatory domain</source>
        <translation>Dominio regulatorio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MAC address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Remembered pass phrase</source>
        <translation>Frase de contraseña guardada</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>At most %n characters.</source>
        <extracomment>Said once when typing stops at a field&apos;s limit.</extracomment>
        <translation>
            <numerusform>Como máximo %n carácter.</numerusform>
            <numerusform>Como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regulatory domain %1, firmware version %2, MAC address %3, IP address %4, ESSID %5, channel %6, WEP %7.</source>
        <translation>Dominio regulatorio %1, versión de firmware %2, dirección MAC %3, dirección IP %4, ESSID %5, canal %6, WEP %7.</translation>
    </message>
    <message>
        <location filename="../wizard/changes.cpp" line="-20"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Was %1.</source>
        <translation>Antes: %1.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1: %2, unchanged.</source>
        <translation>%1: %2 (sin cambios).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>WEP keys: unchanged.</source>
        <translation>Claves WEP: sin cambios.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new; key 1 as typed, keys 2 to 4 made from the pass phrase.</source>
        <translation>Claves WEP: nuevas; la clave 1 tal como se escribió, las claves 2 a 4 generadas a partir de la frase de contraseña.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new, made from the new pass phrase.</source>
        <translation>Claves WEP: nuevas, generadas a partir de la nueva frase de contraseña.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new, made from the pass phrase.</source>
        <translation>Claves WEP: nuevas, generadas a partir de la frase de contraseña.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Key in use: key 1, was key %1.</source>
        <translation>Clave en uso: clave 1 (antes: clave %1).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key in use: key 1.</source>
        <translation>Clave en uso: clave 1.</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+23"/>
        <source>chosen</source>
        <translation>seleccionado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>not chosen</source>
        <translation>no seleccionado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saving the settings to the access point.</source>
        <translation>Guardando la configuración en el punto de acceso.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 access point answered.</source>
        <translation>Respondió 1 punto de acceso.</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n access points answered.</source>
        <translation>
            <numerusform>Respondió %n punto de acceso.</numerusform>
            <numerusform>Respondieron %n puntos de acceso.</numerusform>
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
        <translation>%1: %2 (antes: %3).</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+8"/>
        <location line="+20"/>
        <location filename="../wizard/steps.cpp" line="+143"/>
        <source>The changes were not saved.</source>
        <translation>Los cambios no se han guardado.</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+20"/>
        <source>The utility closes.</source>
        <translation>La utilidad se cierra.</translation>
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
        <translation>Más de un dispositivo responde con la dirección MAC %1. Cualquiera de ellos puede adoptar esta configuración. ¿Guardar de todos modos?</translation>
    </message>
</context>
</TS>
