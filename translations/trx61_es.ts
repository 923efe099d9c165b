<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Artwork</name>
    <message>
        <source>Wireless Access Point Setup Utility</source>
        <translation>Utilidad de configuración del punto de acceso inalámbrico</translation>
    </message>
    <message>
        <source>Press Setup to begin. User Guide opens the manual; Web Site opens the product pages.</source>
        <translation>Pulse «Configurar» para empezar. «Manual» abre la guía; «Sitio web», las páginas del producto.</translation>
    </message>
    <message>
        <source>This PC</source>
        <translation>Este PC</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Connect this PC and the access points to the same Ethernet segment, then press Next to search. The search takes three seconds.</source>
        <translation>Conecte este PC y los puntos de acceso al mismo segmento Ethernet y pulse «Siguiente» para buscar. La búsqueda tarda tres segundos.</translation>
    </message>
    <message>
        <source>Access points</source>
        <translation>Puntos de acceso</translation>
    </message>
    <message>
        <source>Settings of the selected one</source>
        <translation>Configuración del punto elegido</translation>
    </message>
    <message>
        <source>Regulatory domain:</source>
        <translation>Dominio regulador:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>MAC address:</source>
        <translation>Dirección MAC:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>ESSID:</source>
        <translation>ESSID:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canal:</translation>
    </message>
    <message>
        <source>WEP:</source>
        <translation>WEP:</translation>
    </message>
    <message>
        <source>Yes: change its settings.  No: close the utility.</source>
        <translation>Sí: cambiar su configuración.  No: cerrar la utilidad.</translation>
    </message>
    <message>
        <source>ESSID</source>
        <translation>ESSID</translation>
    </message>
    <message>
        <source>The network name: 1 to 32 characters.</source>
        <translation>El nombre de la red: de 1 a 32 caracteres.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>The channels allowed in the access point&apos;s regulatory domain.</source>
        <translation>Los canales permitidos en el dominio regulador del punto de acceso.</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>Nombre de host</translation>
    </message>
    <message>
        <source>The access point&apos;s own name: up to 31 characters.</source>
        <translation>El nombre del propio punto de acceso: hasta 31 caracteres.</translation>
    </message>
    <message>
        <source>Set the address manually</source>
        <translation>Dirección fija manual</translation>
    </message>
    <message>
        <source>Obtain the address by DHCP</source>
        <translation>Dirección obtenida por DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección
IP</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>Máscara
de red</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de
enlace</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 separated by dots, such as 192.168.1.251. An empty field gets the usual default when you go on.</source>
        <translation>Cuatro números de 0 a 255 separados por puntos, como 192.168.1.251. Un campo vacío recibe el valor predeterminado habitual al continuar.</translation>
    </message>
    <message>
        <source>WEP method</source>
        <translation>Método WEP</translation>
    </message>
    <message>
        <source>Disable, or a key size of 64, 128 or 256 bits.</source>
        <translation>Desactivado, o una clave de 64, 128 o 256 bits.</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Frase de contraseña</translation>
    </message>
    <message>
        <source>Up to 32 characters. The same pass phrase always gives the same keys.</source>
        <translation>Hasta 32 caracteres. La misma frase de contraseña da siempre las mismas claves.</translation>
    </message>
    <message>
        <source>WEP key 1</source>
        <translation>Clave WEP 1</translation>
    </message>
    <message>
        <source>Hexadecimal digits 0-9 and A-F: 10 digits for 64 bits, 26 for 128 bits, 58 for 256 bits. Keys 2 to 4 are made from the pass phrase and saved with it.</source>
        <translation>Dígitos hexadecimales 0-9 y A-F: 10 dígitos para 64 bits, 26 para 128 bits, 58 para 256 bits. Las claves 2 a 4 se generan a partir de la frase de contraseña y se guardan con ella.</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <source>Yes: save. The access point may need 60 seconds to apply the settings.
No: discard the changes and search again.</source>
        <translation>Sí: guardar. El punto de acceso puede tardar 60 segundos en aplicar la configuración.
No: descartar los cambios y volver a buscar.</translation>
    </message>
    <message>
        <source>It may take the access point up to 60 seconds to apply them. Press Exit to close the utility.</source>
        <translation>El punto de acceso puede tardar hasta 60 segundos en aplicarla. Pulse «Salir» para cerrar la utilidad.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Disable</source>
        <translation>Desactivado</translation>
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
        <translation>ASCII: introduzca 5, 13 o 29 caracteres para una clave WEP de 64, 128 o 256 bits</translation>
    </message>
    <message>
        <source>Hexdecimal(0-9 &amp; a-f ,or a-f ): Enter 10, 26, 58 digits for 40,128, or 256 bits WEP Key respectively.</source>
        <translation>Hexadecimal (0-9, a-f): introduzca 10, 26 o 58 dígitos para una clave WEP de 64, 128 o 256 bits</translation>
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
        <translation>Uso: trx61-utility [--version] [--help] [--language CODE]
Busca puntos de acceso inalámbricos TRX61 ver. 2.2 en todos los adaptadores de
red de este PC y cambia su configuración en una ventana. Usa el puerto UDP 27155:
permítalo en el cortafuegos. Con TRX61_DEBUG=1 en el entorno, informa de su
tráfico de red en la salida de error estándar.
</translation>
    </message>
    <message>
        <source>It speaks the language of the system when it has it, and English otherwise.
--language CODE chooses one of these:
</source>
        <translation>Habla el idioma del sistema si lo tiene y, si no, inglés.
--language CODE elige uno de estos:
</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host name, ESSID, channel, IP settings and WEP keys.</source>
        <translation>Esta utilidad busca los puntos de acceso inalámbricos TRX61 ver. 2.2 de su red y le permite cambiar su nombre de host, ESSID, canal, configuración IP y claves WEP.</translation>
    </message>
    <message>
        <source>Connection method</source>
        <translation>Método de conexión</translation>
    </message>
    <message>
        <source>The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155).</source>
        <translation>La utilidad se comunica con los puntos de acceso del segmento Ethernet local mediante difusión (puerto UDP 27155).</translation>
    </message>
    <message>
        <source>Access points found</source>
        <translation>Puntos de acceso encontrados</translation>
    </message>
    <message>
        <source>Do you want to change the settings of the selected access point?</source>
        <translation>¿Desea cambiar la configuración del punto de acceso seleccionado?</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Configuración básica</translation>
    </message>
    <message>
        <source>Name the wireless network and choose its radio channel.</source>
        <translation>Dé un nombre a la red inalámbrica y elija su canal de radio.</translation>
    </message>
    <message>
        <source>IP settings</source>
        <translation>Configuración IP</translation>
    </message>
    <message>
        <source>Give the access point a fixed address, or let a DHCP server assign one.</source>
        <translation>Asigne una dirección fija al punto de acceso o deje que un servidor DHCP le asigne una.</translation>
    </message>
    <message>
        <source>Security settings</source>
        <translation>Configuración de seguridad</translation>
    </message>
    <message>
        <source>Choose the WEP encryption and type a pass phrase; the keys are made from it.</source>
        <translation>Elija el cifrado WEP y escriba una frase de contraseña; las claves se generan a partir de ella.</translation>
    </message>
    <message>
        <source>WEP key</source>
        <translation>Clave WEP</translation>
    </message>
    <message>
        <source>The first key, made from your pass phrase. You may type your own key instead.</source>
        <translation>La primera clave, generada a partir de su frase de contraseña. Puede escribir su propia clave en su lugar.</translation>
    </message>
    <message>
        <source>Confirm the new settings</source>
        <translation>Confirmar la nueva configuración</translation>
    </message>
    <message>
        <source>Do you want to save these settings to the access point?</source>
        <translation>¿Desea guardar esta configuración en el punto de acceso?</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Configuración guardada</translation>
    </message>
    <message>
        <source>The access point has acknowledged the new settings.</source>
        <translation>El punto de acceso ha confirmado la nueva configuración.</translation>
    </message>
    <message>
        <source>Checking the network connection</source>
        <translation>Comprobando la conexión de red</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>No access point could be located</source>
        <translation>No se encontró ningún punto de acceso</translation>
    </message>
    <message>
        <source>No access point answered in time, or an answer could not be used.</source>
        <translation>Ningún punto de acceso respondió a tiempo, o una respuesta no se pudo usar.</translation>
    </message>
    <message>
        <source>Please check:</source>
        <translation>Compruebe lo siguiente:</translation>
    </message>
    <message>
        <source>The Ethernet cables of this PC and of the access point are plugged in, and their link lights are on.</source>
        <translation>Los cables Ethernet del PC y del punto de acceso están conectados y sus luces de enlace encendidas.</translation>
    </message>
    <message>
        <source>This PC and the access point are on the same Ethernet segment (no router between them).</source>
        <translation>El PC y el punto de acceso están en el mismo segmento Ethernet (sin ningún router entre ellos).</translation>
    </message>
    <message>
        <source>The access point is switched on and has finished starting up.</source>
        <translation>El punto de acceso está encendido y ha terminado de arrancar.</translation>
    </message>
    <message>
        <source>A firewall on this PC lets UDP port 27155 through, in and out.</source>
        <translation>El cortafuegos de este PC deja pasar el puerto UDP 27155, de entrada y de salida.</translation>
    </message>
    <message>
        <source>After saving, the access point may need up to 60 seconds before it answers again.</source>
        <translation>Tras guardar, el punto de acceso puede tardar hasta 60 segundos en volver a responder.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>The access point did not acknowledge the settings</source>
        <translation>El punto de acceso no confirmó la configuración</translation>
    </message>
    <message>
        <source>No acknowledgement arrived in time: the settings may not have been saved.</source>
        <translation>No llegó ninguna confirmación a tiempo: es posible que la configuración no se haya guardado.</translation>
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
        <translation>Información</translation>
    </message>
    <message>
        <source>No program to show the user guide was found on this computer. The guide is the file
%1</source>
        <translation>No se encontró en este equipo ningún programa para mostrar la guía del usuario. La guía es el archivo
%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The user guide can only be viewed with Adobe Reader!<byte value="xd"/>
<byte value="xd"/>
        Do you want install Acrobat Reader 5.0.5?</source>
        <translation>
¡La guía del usuario solo se puede ver con Adobe Reader!

        ¿Desea instalar Acrobat Reader 5.0.5?</translation>
    </message>
    <message>
        <source>After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.</source>
        <translation>Tras guardar la configuración, el TRX61 ver. 2.2 puede tardar 60 segundos en estar disponible.</translation>
    </message>
    <message>
        <source>Wrong IP address value!</source>
        <translation>¡Dirección IP incorrecta!</translation>
    </message>
    <message>
        <source>Wrong NetMask IP address value!</source>
        <translation>¡Máscara de red incorrecta!</translation>
    </message>
    <message>
        <source>Wrong GateWay IP address value!</source>
        <translation>¡Puerta de enlace incorrecta!</translation>
    </message>
    <message>
        <source>Wrong ESSID value!</source>
        <translation>¡ESSID incorrecto!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Wrong Wep-Key1 Length!</source>
        <translation>¡Longitud incorrecta de la clave WEP 1!</translation>
    </message>
    <message>
        <source>Wrong Wep-Key1 Word!</source>
        <translation>¡La clave WEP 1 contiene caracteres no válidos!</translation>
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
        <translation>Nombre de host</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección
IP</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>Máscara
de red</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de
enlace</translation>
    </message>
    <message>
        <source>Obtain the address by DHCP</source>
        <translation>Dirección obtenida por DHCP</translation>
    </message>
    <message>
        <source>Set the address manually</source>
        <translation>Dirección fija manual</translation>
    </message>
    <message>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <source>Pass Phrase</source>
        <translation>Frase de contraseña</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Clave 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Clave 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Clave 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Clave 4</translation>
    </message>
    <message>
        <source>Access points</source>
        <translation>Puntos de acceso</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Regulatory domain</source>
        <translation>Dominio regulador</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Versión del firmware</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Remembered pass phrase</source>
        <translation>Frase de contraseña recordada</translation>
    </message>
    <message>
        <source>Regulatory domain %1, firmware version %2, MAC address %3, IP address %4, ESSID %5, channel %6, WEP %7.</source>
        <translation>Dominio regulador %1, versión del firmware %2, dirección MAC %3, dirección IP %4, ESSID %5, canal %6, WEP %7.</translation>
    </message>
    <message>
        <source>Was %1.</source>
        <translation>Antes: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Saving the settings to the access point.</source>
        <translation>Guardando la configuración en el punto de acceso.</translation>
    </message>
    <message>
        <source>1 access point answered.</source>
        <translation>Respondió 1 punto de acceso.</translation>
    </message>
    <message numerus="yes">
        <source>%n access points answered.</source>
        <translation>
            <numerusform>Respondió %n punto de acceso.</numerusform>
            <numerusform>Respondieron %n puntos de acceso.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, was %3.</source>
        <translation>%1: %2, antes %3.</translation>
    </message>
</context>
</TS>
