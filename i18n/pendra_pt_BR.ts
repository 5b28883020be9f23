<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>Sobre o Pendra</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>Painel de movimentação manual para máquina de medição</translation>
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
        <translation>%1 (definido pelo administrador)</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>Definido pelo administrador</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>Mover pto.</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>PARAR EXECUÇÃO</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>CONTINUAR EXECUÇÃO</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>Saudação</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>Confirmação</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 é uma pasta, não um arquivo de configurações</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 não é um arquivo de configurações</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>não é possível gravar na chave do registro %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>não é possível gravar na pasta %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>não é possível ler a chave do registro %1</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>Não foi possível associar o soquete a %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>Não foi possível conectar a %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>Não foi possível inicializar o WSA</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>Não foi possível criar o soquete</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>Não foi possível criar os eventos</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>Não foi possível iniciar a thread de recepção</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>Não foi possível monitorar o soquete</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>Não foi possível fechar o soquete</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>nenhum endereço de host definido</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>o painel não está pronto</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Conectando a %1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>Não conectado: %1; nova tentativa a cada %2 s</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Não conectado: %1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>Aguardando o host em %1</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>Conectado a %1, versão do host %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>Sem resposta de %1: nada está escutando nessa porta</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>Não enviado: %1: %2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>Enviado às %2: %1</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>última mensagem do host às %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>Reiniciar
(Despertar)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuração</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>&amp;Bloquear para limpeza</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>Reiniciar (Despertar)</translation>
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
        <translation>Endereço IP:</translation>
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
        <translation>Dados</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>Exibir erro do último elemento medido</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Local IP address</source>
        <translation>Endereço IP local</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>Porta local</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>Endereço IP remoto</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>Porta remota</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>Os valores em fundo cinza foram definidos pelo administrador e não podem ser alterados aqui.</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>&amp;Sobre o Pendra...</translation>
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
        <translation>Padrão do sistema</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>Nenhum endereço de host definido: abra Opções, Configuração.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>Não foi possível salvar as configurações: %1.
A conexão funciona com elas, mas elas não estarão lá na próxima inicialização.</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>Não foi possível ler as configurações: %1.
São usados os valores padrão internos até que novas configurações sejam salvas em Configuração.</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>bloqueado para limpeza, faltam %1 s: só %2 responde ao toque</translation>
    </message>
</context>
</TS>
