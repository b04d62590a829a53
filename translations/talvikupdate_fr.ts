<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>VUpdateDialog</name>
    <message>
        <source>Morvane Update</source>
        <translation>Mise à jour Morvane</translation>
    </message>
    <message>
        <source>
  New Updates for %1 Available
</source>
        <translation>
  Nouvelles mises à jour disponibles pour %1
</translation>
    </message>
    <message>
        <source>Checking updates for %1...</source>
        <translation>Recherche de mises à jour pour %1...</translation>
    </message>
    <message>
        <source>&lt;b&gt;There are new updates for %1 available. Your current version is %2 and the latest version is %3. Download the latest version now?&lt;/b&gt;
&lt;br/&gt;&lt;br/&gt;
Your selected updates will be downloaded in the background, allowing you to continue working uninterrupted. When downloading is finished, you will be notified that updates are ready to be installed.
&lt;br/&gt;&lt;br/&gt;
You see this dialog because the related option has been checked. If you do not want %1 to check for an update automatically, clear the check box beside it.</source>
        <translation>&lt;b&gt;De nouvelles mises à jour sont disponibles pour %1. Votre version actuelle est la %2 et la dernière version est la %3. Télécharger la dernière version maintenant ?&lt;/b&gt;
&lt;br/&gt;&lt;br/&gt;
Les mises à jour sélectionnées seront téléchargées en arrière-plan, ce qui vous permet de continuer à travailler sans interruption. Une fois le téléchargement terminé, vous serez averti que les mises à jour sont prêtes à être installées.
&lt;br/&gt;&lt;br/&gt;
Vous voyez cette fenêtre parce que l&apos;option correspondante est cochée. Si vous ne voulez pas que %1 recherche automatiquement les mises à jour, décochez la case correspondante.</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Télécharger</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Téléchargement de %1...</translation>
    </message>
    <message>
        <source>Download speed: %1/s</source>
        <translation>Vitesse de téléchargement : %1o/s</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Minimize To System Tray</source>
        <translation>Réduire dans la zone de &amp;notification</translation>
    </message>
    <message>
        <source>Updates for %1 has been downloaded successfully, please exit %1 before installing updates.</source>
        <translation>Les mises à jour de %1 ont été téléchargées. Veuillez quitter %1 avant de les installer.</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Installer les mises à jour</translation>
    </message>
    <message>
        <source>The server sent more than %1B without giving a size; no installer is that large.</source>
        <translation>Le serveur a envoyé plus de %1o sans indiquer de taille ; aucun programme d&apos;installation n&apos;est aussi gros.</translation>
    </message>
    <message>
        <source>The server sent more than the %1 bytes the update description gives as the size.</source>
        <translation>Le serveur a envoyé plus que les %1 octets indiqués comme taille dans la description de la mise à jour.</translation>
    </message>
    <message>
        <source>The download folder could not be created.</source>
        <translation>Le dossier de téléchargement n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Le fichier n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>The server announces %1 bytes, but the update description gives %2 bytes as the size.</source>
        <translation>Le serveur annonce %1 octets, mais la description de la mise à jour indique une taille de %2 octets.</translation>
    </message>
    <message>
        <source>The server sent more than the %1 bytes it announced.</source>
        <translation>Le serveur a envoyé plus que les %1 octets annoncés.</translation>
    </message>
    <message>
        <source>The download of %1 failed.</source>
        <translation>Le téléchargement de %1 a échoué.</translation>
    </message>
    <message>
        <source>Cancel and Remind me</source>
        <translation>Annuler et me le rappeler</translation>
    </message>
    <message>
        <source>%1 later</source>
        <translation>%1 plus tard</translation>
    </message>
    <message>
        <source>Found New version for %1, click here to download the latest version %2</source>
        <translation>Nouvelle version de %1 disponible : cliquez ici pour télécharger la dernière version, %2</translation>
    </message>
    <message>
        <source>Found new version for %1, version %2</source>
        <translation>Nouvelle version de %1 disponible : version %2</translation>
    </message>
    <message>
        <source>Downloading %1, version %2.
%3B/s, %4% finished.</source>
        <translation>Téléchargement de %1, version %2.
%3o/s, %4 % terminé.</translation>
    </message>
    <message>
        <source>Downloading %1, version %2.
%3B/s.</source>
        <translation>Téléchargement de %1, version %2.
%3o/s.</translation>
    </message>
    <message>
        <source>Download of %1, version %2, failed.</source>
        <translation>Le téléchargement de %1, version %2, a échoué.</translation>
    </message>
    <message>
        <source>Download %1, version %2, finished. Ready to Install.</source>
        <translation>Téléchargement de %1, version %2, terminé. Prêt à installer.</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>Le serveur a cessé d&apos;envoyer des données.</translation>
    </message>
    <message>
        <source>The download is incomplete.</source>
        <translation>Le téléchargement est incomplet.</translation>
    </message>
    <message>
        <source>The download cannot be checked: the server sent no size and the update description no checksum.</source>
        <translation>Le téléchargement ne peut pas être vérifié : le serveur n&apos;a envoyé aucune taille et la description de la mise à jour aucune somme de contrôle.</translation>
    </message>
    <message>
        <source>The download is empty.</source>
        <translation>Le téléchargement est vide.</translation>
    </message>
    <message>
        <source>The downloaded file is damaged: its checksum does not match.</source>
        <translation>Le fichier téléchargé est endommagé : sa somme de contrôle ne correspond pas.</translation>
    </message>
    <message>
        <source>Automatic Update</source>
        <translation>Mise à jour automatique</translation>
    </message>
</context>
<context>
    <name>VUpdateFormat</name>
    <message>
        <source> Month</source>
        <translation> mois</translation>
    </message>
    <message>
        <source> Months</source>
        <translation> mois</translation>
    </message>
    <message>
        <source> Week</source>
        <translation> semaine</translation>
    </message>
    <message>
        <source> Weeks</source>
        <translation> semaines</translation>
    </message>
    <message>
        <source> Day</source>
        <translation> jour</translation>
    </message>
    <message>
        <source> Days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source> Hour</source>
        <translation> heure</translation>
    </message>
    <message>
        <source> Hours</source>
        <translation> heures</translation>
    </message>
    <message>
        <source> Minute</source>
        <translation> minute</translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> minutes</translation>
    </message>
    <message>
        <source> Second</source>
        <translation> seconde</translation>
    </message>
    <message>
        <source> Seconds</source>
        <translation> secondes</translation>
    </message>
    <message>
        <source>0 second</source>
        <translation>0 seconde</translation>
    </message>
</context>
</TS>
