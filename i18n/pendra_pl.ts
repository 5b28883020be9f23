<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>O programie Pendra</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>Panel ręcznego sterowania maszyną pomiarową</translation>
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
        <translation>%1 (ustawione przez administratora)</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>Ustawione przez administratora</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>Przesuń pkt</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>ZATRZYMAJ WYKONYWANIE</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>KONTYNUUJ WYKONYWANIE</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>Powitanie</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>Potwierdzenie</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 jest folderem, a nie plikiem ustawień</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 nie jest plikiem ustawień</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>nie można zapisać klucza rejestru %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>nie można zapisywać w folderze %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>nie można odczytać klucza rejestru %1</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>Nie można powiązać gniazda z %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>Nie można połączyć się z %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>Nie można zainicjować WSA</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>Nie można utworzyć gniazda</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>Nie można utworzyć zdarzeń</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>Nie można uruchomić wątku odbioru</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>Nie można monitorować gniazda</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>Nie można zamknąć gniazda</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>nie ustawiono adresu hosta</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>panel nie jest gotowy</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Łączenie z %1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>Brak połączenia: %1; ponowna próba co %2 s</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Brak połączenia: %1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>Oczekiwanie na hosta pod adresem %1</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>Połączono z %1, wersja hosta %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>Brak odpowiedzi od %1: nic nie nasłuchuje na tym porcie</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>Nie wysłano: %1: %2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>%1 wysłano o %2</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>ostatnia wiadomość od hosta o %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>Restartuj
(Wybudź)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pełny ekran</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>&amp;Blokada do czyszczenia</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>Restartuj (Wybudź)</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Local</source>
        <translation>Lokalny</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Zdalny</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dane</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>Wyświetlaj błąd ostatnio zmierzonego elementu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Local IP address</source>
        <translation>Lokalny adres IP</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>Lokalny port</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>Zdalny adres IP</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>Zdalny port</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>Wartości na szarym tle ustawił administrator i nie można ich tutaj zmienić.</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>&amp;O programie Pendra...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>Język systemu</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>Nie ustawiono adresu hosta: otwórz Opcje, Ustawienia.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>Nie można zapisać ustawień: %1.
Połączenie z nimi działa, ale przy następnym uruchomieniu nie będą dostępne.</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>Nie można odczytać ustawień: %1.
Używane są wbudowane wartości domyślne, dopóki w Ustawieniach nie zostaną zapisane nowe.</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>zablokowany do czyszczenia, pozostało %1 s: na dotyk reaguje tylko %2</translation>
    </message>
</context>
</TS>
