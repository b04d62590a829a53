<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>VUpdateDialog</name>
    <message>
        <source>Morvane Update</source>
        <translation>Morvane Update</translation>
    </message>
    <message>
        <source>
  New Updates for %1 Available
</source>
        <translation>
  Neue Updates für %1 verfügbar
</translation>
    </message>
    <message>
        <source>Checking updates for %1...</source>
        <translation>Suche nach Updates für %1...</translation>
    </message>
    <message>
        <source>&lt;b&gt;There are new updates for %1 available. Your current version is %2 and the latest version is %3. Download the latest version now?&lt;/b&gt;
&lt;br/&gt;&lt;br/&gt;
Your selected updates will be downloaded in the background, allowing you to continue working uninterrupted. When downloading is finished, you will be notified that updates are ready to be installed.
&lt;br/&gt;&lt;br/&gt;
You see this dialog because the related option has been checked. If you do not want %1 to check for an update automatically, clear the check box beside it.</source>
        <translation>&lt;b&gt;Für %1 sind neue Updates verfügbar. Ihre aktuelle Version ist %2, die neueste Version ist %3. Die neueste Version jetzt herunterladen?&lt;/b&gt;
&lt;br/&gt;&lt;br/&gt;
Die ausgewählten Updates werden im Hintergrund heruntergeladen, sodass Sie ohne Unterbrechung weiterarbeiten können. Wenn der Download abgeschlossen ist, werden Sie benachrichtigt, dass die Updates zur Installation bereitstehen.
&lt;br/&gt;&lt;br/&gt;
Sie sehen dieses Fenster, weil die entsprechende Option aktiviert ist. Wenn %1 nicht automatisch nach Updates suchen soll, deaktivieren Sie das Kontrollkästchen daneben.</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Herunterladen</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Download speed: %1/s</source>
        <translation>Download-Geschwindigkeit: %1/s</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Minimize To System Tray</source>
        <translation>In die Systemleiste &amp;minimieren</translation>
    </message>
    <message>
        <source>Updates for %1 has been downloaded successfully, please exit %1 before installing updates.</source>
        <translation>Die Updates für %1 wurden erfolgreich heruntergeladen. Bitte beenden Sie %1, bevor Sie die Updates installieren.</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Updates installieren</translation>
    </message>
    <message>
        <source>The server sent more than %1B without giving a size; no installer is that large.</source>
        <translation>Der Server hat mehr als %1B ohne Größenangabe gesendet; so groß ist kein Installationsprogramm.</translation>
    </message>
    <message>
        <source>The server sent more than the %1 bytes the update description gives as the size.</source>
        <translation>Der Server hat mehr als die %1 Bytes gesendet, die die Update-Beschreibung als Größe angibt.</translation>
    </message>
    <message>
        <source>The download folder could not be created.</source>
        <translation>Der Download-Ordner konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Die Datei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The server announces %1 bytes, but the update description gives %2 bytes as the size.</source>
        <translation>Der Server kündigt %1 Bytes an, die Update-Beschreibung gibt aber %2 Bytes als Größe an.</translation>
    </message>
    <message>
        <source>The server sent more than the %1 bytes it announced.</source>
        <translation>Der Server hat mehr als die angekündigten %1 Bytes gesendet.</translation>
    </message>
    <message>
        <source>The download of %1 failed.</source>
        <translation>Der Download von %1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Cancel and Remind me</source>
        <translation>Abbrechen und erinnern</translation>
    </message>
    <message>
        <source>%1 later</source>
        <translation>%1 später</translation>
    </message>
    <message>
        <source>Found New version for %1, click here to download the latest version %2</source>
        <translation>Neue Version für %1 gefunden, hier klicken, um die neueste Version %2 herunterzuladen</translation>
    </message>
    <message>
        <source>Found new version for %1, version %2</source>
        <translation>Neue Version für %1 gefunden: Version %2</translation>
    </message>
    <message>
        <source>Downloading %1, version %2.
%3B/s, %4% finished.</source>
        <translation>%1, Version %2, wird heruntergeladen.
%3B/s, %4 % abgeschlossen.</translation>
    </message>
    <message>
        <source>Downloading %1, version %2.
%3B/s.</source>
        <translation>%1, Version %2, wird heruntergeladen.
%3B/s.</translation>
    </message>
    <message>
        <source>Download of %1, version %2, failed.</source>
        <translation>Download von %1, Version %2, fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Download %1, version %2, finished. Ready to Install.</source>
        <translation>Download von %1, Version %2, abgeschlossen. Bereit zur Installation.</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>Der Server hat das Senden abgebrochen.</translation>
    </message>
    <message>
        <source>The download is incomplete.</source>
        <translation>Der Download ist unvollständig.</translation>
    </message>
    <message>
        <source>The download cannot be checked: the server sent no size and the update description no checksum.</source>
        <translation>Der Download kann nicht geprüft werden: Der Server hat keine Größe gesendet und die Update-Beschreibung enthält keine Prüfsumme.</translation>
    </message>
    <message>
        <source>The download is empty.</source>
        <translation>Der Download ist leer.</translation>
    </message>
    <message>
        <source>The downloaded file is damaged: its checksum does not match.</source>
        <translation>Die heruntergeladene Datei ist beschädigt: Ihre Prüfsumme stimmt nicht überein.</translation>
    </message>
    <message>
        <source>Automatic Update</source>
        <translation>Automatisches Update</translation>
    </message>
</context>
<context>
    <name>VUpdateFormat</name>
    <message>
        <source> Month</source>
        <translation> Monat</translation>
    </message>
    <message>
        <source> Months</source>
        <translation> Monate</translation>
    </message>
    <message>
        <source> Week</source>
        <translation> Woche</translation>
    </message>
    <message>
        <source> Weeks</source>
        <translation> Wochen</translation>
    </message>
    <message>
        <source> Day</source>
        <translation> Tag</translation>
    </message>
    <message>
        <source> Days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source> Hour</source>
        <translation> Stunde</translation>
    </message>
    <message>
        <source> Hours</source>
        <translation> Stunden</translation>
    </message>
    <message>
        <source> Minute</source>
        <translation> Minute</translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source> Second</source>
        <translation> Sekunde</translation>
    </message>
    <message>
        <source> Seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>0 second</source>
        <translation>0 Sekunden</translation>
    </message>
</context>
</TS>
