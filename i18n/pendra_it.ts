<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>Informazioni su Pendra</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>Pulsantiera di comando per macchine di misura</translation>
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
        <translation>%1 (impostato dall&apos;amministratore)</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>Impostato dall&apos;amministratore</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>Sposta pt.</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>ARRESTA ESECUZIONE</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>RIPRENDI ESECUZIONE</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>Messaggio di saluto</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>Messaggio di conferma</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 è una cartella, non un file di impostazioni</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 non è un file di impostazioni</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 non è leggibile</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>la chiave di registro %1 non è scrivibile</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>la cartella %1 non è scrivibile</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 non è scrivibile</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>la chiave di registro %1 non è leggibile</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>Impossibile associare il socket a %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>Impossibile connettersi a %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>Impossibile inizializzare WSA</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>Impossibile creare il socket</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>Impossibile creare gli eventi</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>Impossibile avviare il thread di ricezione</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>Impossibile monitorare il socket</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>Impossibile chiudere il socket</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>nessun indirizzo host impostato</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>la pulsantiera non è pronta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connessione a %1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>Non connesso: %1; nuovo tentativo ogni %2 s</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Non connesso: %1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>In attesa dell&apos;host su %1</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>Connesso a %1, versione host %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>Nessuna risposta da %1: nessun programma in ascolto su quella porta</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>Non inviato: %1: %2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>%1 inviato alle %2</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>ultimo messaggio dall&apos;host alle %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>Riavvia
(Riattiva)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>&amp;Blocca per pulizia</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>Riavvia (Riattiva)</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Local</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remoto</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>Mostra errore dell&apos;ultimo elemento misurato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Local IP address</source>
        <translation>Indirizzo IP locale</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>Porta locale</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>Indirizzo IP remoto</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>Porta remota</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>I valori su sfondo grigio sono impostati dall&apos;amministratore e non possono essere modificati qui.</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>&amp;Informazioni su Pendra...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>Lingua di sistema</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>Nessun indirizzo host impostato: aprire Opzioni, Configurazione.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>Impossibile salvare le impostazioni: %1.
La connessione le usa, ma al prossimo avvio andranno perse.</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>Impossibile leggere le impostazioni: %1.
Si usano i valori predefiniti finché non se ne salvano di nuovi in Configurazione.</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>bloccato per pulizia, ancora %1 s: risponde al tocco solo %2</translation>
    </message>
</context>
</TS>
