<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>À propos de Pendra</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>Pupitre de commande manuelle pour machine à mesurer</translation>
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
        <translation>%1 (défini par votre administrateur)</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>Défini par votre administrateur</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>Dépl. pt</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>ARRÊTER L&apos;EXÉCUTION</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>REPRENDRE L&apos;EXÉCUTION</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>Message de salutation</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>Accusé de réception</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 est un dossier, pas un fichier de paramètres</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 n&apos;est pas un fichier de paramètres</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 n&apos;est pas accessible en lecture</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>la clé de registre %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>le dossier %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>la clé de registre %1 n&apos;est pas accessible en lecture</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>Échec de la liaison du socket à %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>Échec de la connexion à %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>Échec de l&apos;initialisation de WSA</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>Échec de la création du socket</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>Échec de la création des événements</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>Échec du démarrage du thread de réception</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>Échec de la surveillance du socket</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>Échec de la fermeture du socket</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>aucune adresse d&apos;hôte n&apos;est définie</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>le pupitre n&apos;est pas prêt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>Non connecté&#xa0;: %1&#xa0;; nouvel essai toutes les %2 s</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Non connecté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>En attente de l&apos;hôte sur %1</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>Connecté à %1, version de l&apos;hôte %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>Pas de réponse de %1&#xa0;: aucun programme n&apos;écoute sur ce port</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>Non envoyé&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>%1 envoyé à %2</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>dernier message de l&apos;hôte à %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>Redémarrer
(Réveil)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Mode plein écran</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>&amp;Verrouiller pour le nettoyage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>Redémarrer (Réveil)</translation>
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
        <translation>Adresse IP&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Distant</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>Afficher l&apos;erreur du dernier élément mesuré</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Local IP address</source>
        <translation>Adresse IP locale</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>Port local</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>Adresse IP distante</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>Port distant</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>Les valeurs sur fond gris sont définies par votre administrateur et ne peuvent pas être modifiées ici.</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>À &amp;propos de Pendra...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>Aucune adresse d&apos;hôte définie&#xa0;: ouvrez Options, Configuration.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>Impossible d&apos;enregistrer les paramètres&#xa0;: %1.
La connexion les utilise, mais ils seront perdus au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>Impossible de lire les paramètres&#xa0;: %1.
Les valeurs par défaut intégrées s&apos;appliquent jusqu&apos;à l&apos;enregistrement de nouveaux paramètres dans Configuration.</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>verrouillé pour le nettoyage, encore %1 s&#xa0;: seul %2 réagit au toucher</translation>
    </message>
</context>
</TS>
