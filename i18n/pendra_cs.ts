<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>O aplikaci Pendra</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>Panel ručního pojezdu měřicího stroje</translation>
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
        <translation>%1 (nastaveno správcem)</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>Nastaveno správcem</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>Posun bodu</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>ZASTAVIT PROVÁDĚNÍ</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>POKRAČOVAT V PROVÁDĚNÍ</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>Pozdrav</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>Potvrzení</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 je složka, ne soubor s nastavením</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 není soubor s nastavením</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nelze přečíst</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>do klíče registru %1 nelze zapisovat</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>do složky %1 nelze zapisovat</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 nelze zapsat</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>klíč registru %1 nelze přečíst</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>Nelze svázat soket s %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>Nelze se připojit k %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>Nelze inicializovat WSA</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>Nelze vytvořit soket</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>Nelze vytvořit události</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>Nelze spustit přijímací vlákno</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>Nelze sledovat soket</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>Nelze zavřít soket</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>není nastavena adresa hostitele</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>panel není připraven</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Připojování k %1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>Nepřipojeno: %1; nový pokus každých %2 s</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Nepřipojeno: %1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>Čekání na hostitele na adrese %1</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>Připojeno k %1, verze hostitele %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>Žádná odpověď od %1: na tomto portu nic nenaslouchá</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>Neodesláno: %1: %2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>Odesláno v %2: %1</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>poslední zpráva od hostitele v %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>Restart
(Probudit)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O aplikaci</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Celá obrazovka</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>&amp;Zamknout pro čištění</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>Restart (Probudit)</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Local</source>
        <translation>Místní</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP adresa:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Vzdálený</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>Zobrazit chybu posledního změřeného prvku</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Local IP address</source>
        <translation>Místní IP adresa</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>Místní port</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>Vzdálená IP adresa</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>Vzdálený port</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>Hodnoty na šedém pozadí nastavil správce a zde je nelze změnit.</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>&amp;O aplikaci Pendra...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>Podle systému</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>Není nastavena adresa hostitele: otevřete Možnosti, Nastavení.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>Nastavení se nepodařilo uložit: %1.
Připojení s ním funguje, ale při příštím spuštění nebude k dispozici.</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>Nastavení se nepodařilo načíst: %1.
Používají se vestavěné výchozí hodnoty, dokud v Nastavení neuložíte nové.</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>zamčeno pro čištění, zbývá %1 s: na dotyk reaguje jen %2</translation>
    </message>
</context>
</TS>
