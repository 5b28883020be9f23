<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>Acerca de Pendra</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>Panel de mando para máquinas de medición</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AdministratorMark</name>
    <message>
        <source>%1 (set by your administrator)</source>
        <extracomment>A menu item whose value IT enforces; %1 is the item&apos;s own text.</extracomment>
        <translation>%1 (establecido por el administrador)</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>Establecido por el administrador</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>Mover pto.</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>DETENER EJECUCIÓN</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>CONTINUAR EJECUCIÓN</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>Mensaje de saludo</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>Mensaje de confirmación</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 es una carpeta, no un archivo de configuración</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 no es un archivo de configuración</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 no se puede leer</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>la clave del registro %1 no se puede escribir</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>no se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 no se puede escribir</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>la clave del registro %1 no se puede leer</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>No se pudo vincular el socket a %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>No se pudo conectar con %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>No se pudo inicializar WSA</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>No se pudo crear el socket</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>No se pudieron crear los eventos</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>No se pudo iniciar el hilo de recepción</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>No se pudo supervisar el socket</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>No se pudo cerrar el socket</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>no hay dirección de host configurada</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>el panel no está listo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Conectando con %1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>Sin conexión: %1; reintentando cada %2 s</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Sin conexión: %1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>Esperando al host en %1</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>Conectado a %1, versión del host %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>Sin respuesta de %1: ningún programa escucha en ese puerto</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>No enviado: %1: %2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>%1 enviado a las %2</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>último mensaje del host a las %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>Reiniciar
(Reactivar)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>&amp;Bloquear para limpieza</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>Reiniciar (Reactivar)</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remoto</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>Mostrar error del último elemento medido</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Local IP address</source>
        <translation>Dirección IP local</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>Puerto local</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>Dirección IP remota</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>Puerto remoto</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>Los valores sobre fondo gris los ha establecido el administrador y no se pueden cambiar aquí.</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>&amp;Acerca de Pendra...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>No hay dirección de host configurada: abra Opciones, Configuración.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>No se pudo guardar la configuración: %1.
La conexión la usa, pero se perderá en el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>No se pudo leer la configuración: %1.
Se usan los valores predeterminados hasta que se guarde una nueva en Configuración.</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>bloqueado para limpieza, quedan %1 s: solo %2 responde al tacto</translation>
    </message>
</context>
</TS>
