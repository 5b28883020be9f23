<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>Über Pendra</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>Bedienpult für Messmaschinen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AdministratorMark</name>
    <message>
        <source>%1 (set by your administrator)</source>
        <extracomment>A menu item whose value IT enforces; %1 is the item&apos;s own text.</extracomment>
        <translation>%1 (vom Administrator festgelegt)</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>Vom Administrator festgelegt</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>Pkt. verschieben</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>AUSFÜHRUNG STOPPEN</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>AUSFÜHRUNG FORTSETZEN</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>Begrüßung</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>Bestätigung</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 ist ein Ordner, keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 ist keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>der Registrierungsschlüssel %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>der Registrierungsschlüssel %1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>Binden an %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>Verbindung mit %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>WSA-Initialisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>Erstellen des Sockets fehlgeschlagen</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>Erstellen der Ereignisse fehlgeschlagen</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>Starten des Empfangsthreads fehlgeschlagen</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>Überwachen des Sockets fehlgeschlagen</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>Schließen des Sockets fehlgeschlagen</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>keine Host-Adresse eingestellt</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>das Bedienpult ist nicht bereit</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbindung mit %1 wird hergestellt…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>Nicht verbunden: %1; neuer Versuch alle %2 s</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Nicht verbunden: %1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>Warten auf den Host unter %1</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>Verbunden mit %1, Host-Version %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>Keine Antwort von %1: an diesem Port lauscht kein Programm</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>Nicht gesendet: %1: %2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>%1 gesendet um %2</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>letzte Host-Nachricht um %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>Neustart
(Aufwecken)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>Zum &amp;Reinigen sperren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>Neustart (Aufwecken)</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>Fehler des zuletzt gemessenen Elements anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Local IP address</source>
        <translation>Lokale IP-Adresse</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>Lokaler Port</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>Remote-IP-Adresse</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>Remote-Port</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>Grau hinterlegte Werte hat Ihr Administrator festgelegt; sie können hier nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>&amp;Über Pendra...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>Keine Host-Adresse eingestellt: Optionen, Einstellungen öffnen.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1.
Die Verbindung verwendet sie, beim nächsten Start fehlen sie aber.</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>Die Einstellungen konnten nicht gelesen werden: %1.
Bis unter Einstellungen neue gespeichert werden, gelten die eingebauten Standardwerte.</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>zum Reinigen gesperrt, noch %1 s: nur %2 reagiert auf Berührung</translation>
    </message>
</context>
</TS>
