<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QtTreePropertyBrowser</name>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
<context>
    <name>QtVariantEditorFactory</name>
    <message>
        <source>Choose a colour</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Schriftart wählen</translation>
    </message>
</context>
<context>
    <name>QtVariantPropertyManager</name>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
</context>
<context>
    <name>VAutoRun</name>
    <message>
        <source>Talvik Capture</source>
        <translation>Talvik Capture</translation>
    </message>
    <message>
        <source>Starts Talvik Capture in the tray, ready for its hotkeys</source>
        <translation>Startet Talvik Capture in der Systemleiste, bereit für die Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>VCaptureMain</name>
    <message>
        <source>Try --help.</source>
        <translation>Siehe --help.</translation>
    </message>
    <message>
        <source>the running instance did not answer</source>
        <translation>die laufende Instanz hat nicht geantwortet</translation>
    </message>
</context>
<context>
    <name>VCaptureModes</name>
    <message>
        <source>Region</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Capture Region</source>
        <translation>Bereich aufnehmen</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Capture Window</source>
        <translation>Fenster aufnehmen</translation>
    </message>
    <message>
        <source>Scrolling</source>
        <translation>Scrollen</translation>
    </message>
    <message>
        <source>Scrolling Window</source>
        <translation>Scrollfenster</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Capture Full Screen</source>
        <translation>Vollbild aufnehmen</translation>
    </message>
</context>
<context>
    <name>VCommandLine</name>
    <message>
        <source>Captures the screen, lets you annotate the picture and saves it.

Examples:
  TalvikCapture --capture fullscreen --clipboard
  TalvikCapture --capture fullscreen --output - | wl-copy
  TalvikCapture --region 640x480+100+50 --output part.png
  TalvikCapture --capture fullscreen --monitor all --auto-name
  TalvikCapture --capture window --active --output window.png
  TalvikCapture --capture scrolling --at 400,300 --output page.png

--capture region, or window without --at or --active, with --output, --auto-name or --clipboard opens the overlay: pick (and annotate), then save with Ctrl+S to write the target, or cancel with Escape.

Exit codes: 0 done, 1 the capture or the file failed, 2 wrong usage, 3 partial: a scrolling capture was cut short (no certain match, Escape or the size limits) and the part captured is written, 4 cancelled in the overlay.
Messages go to standard error, each starting with &quot;%1: &quot;; set QT_LOGGING_RULES=&quot;talvik.*.info=true&quot; for diagnostics.</source>
        <translation>Nimmt den Bildschirm auf, lässt Sie das Bild beschriften und speichert es.

Beispiele:
  TalvikCapture --capture fullscreen --clipboard
  TalvikCapture --capture fullscreen --output - | wl-copy
  TalvikCapture --region 640x480+100+50 --output teil.png
  TalvikCapture --capture fullscreen --monitor all --auto-name
  TalvikCapture --capture window --active --output fenster.png
  TalvikCapture --capture scrolling --at 400,300 --output seite.png

--capture region, oder window ohne --at bzw. --active, zusammen mit --output, --auto-name oder --clipboard öffnet das Overlay: auswählen (und beschriften), dann mit Strg+S speichern, um das Ziel zu schreiben, oder mit Esc abbrechen.

Exit-Codes: 0 erledigt, 1 Aufnahme oder Datei fehlgeschlagen, 2 falscher Aufruf, 3 unvollständig: eine scrollende Aufnahme wurde vorzeitig beendet (keine sichere Übereinstimmung, Esc oder Größengrenzen) und der aufgenommene Teil wird geschrieben, 4 im Overlay abgebrochen.
Meldungen gehen an die Standardfehlerausgabe und beginnen jeweils mit &quot;%1: &quot;; für Diagnosen QT_LOGGING_RULES=&quot;talvik.*.info=true&quot; setzen.</translation>
    </message>
    <message>
        <source>Start a capture (%1) in the running instance, starting one when none runs.</source>
        <translation>Eine Aufnahme (%1) in der laufenden Instanz starten; läuft keine, wird eine gestartet.</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>With --capture: write the capture to &lt;file&gt; and exit; &quot;-&quot; writes it to standard output. The suffix picks the format (png, jpg, jpeg, bmp) unless --format does.</source>
        <translation>Mit --capture: die Aufnahme in &lt;Datei&gt; schreiben und beenden; &quot;-&quot; schreibt sie auf die Standardausgabe. Die Dateiendung bestimmt das Format (png, jpg, jpeg, bmp), sofern --format es nicht festlegt.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>With --capture: write the capture under the automatic file name of the settings and exit.</source>
        <translation>Mit --capture: die Aufnahme unter dem automatischen Dateinamen aus den Einstellungen schreiben und beenden.</translation>
    </message>
    <message>
        <source>With --capture: put the capture on the clipboard and exit, besides any file of --output or --auto-name. The running instance keeps it there, or else a process in the background until another program takes the clipboard over. On Wayland use --output - | wl-copy.</source>
        <translation>Mit --capture: die Aufnahme in die Zwischenablage legen und beenden, zusätzlich zu einer Datei von --output oder --auto-name. Die laufende Instanz hält sie dort bereit, andernfalls ein Hintergrundprozess, bis ein anderes Programm die Zwischenablage übernimmt. Unter Wayland --output - | wl-copy verwenden.</translation>
    </message>
    <message>
        <source>With --capture region: print the area picked in the overlay as WxH+X+Y instead of writing a picture.</source>
        <translation>Mit --capture region: den im Overlay gewählten Bereich als WxH+X+Y ausgeben, statt ein Bild zu schreiben.</translation>
    </message>
    <message>
        <source>With --output or --auto-name: write &lt;format&gt; (png, jpg or bmp) whatever the suffix or the settings say; standard output gets PNG without it.</source>
        <translation>Mit --output oder --auto-name: &lt;Format&gt; (png, jpg oder bmp) schreiben, unabhängig von Dateiendung und Einstellungen; ohne diese Option erhält die Standardausgabe PNG.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>With --capture window or scrolling and --output or --auto-name: the window under the global point &lt;x,y&gt;, cut to its shape, or the whole page it scrolls through.</source>
        <translation>Mit --capture window oder scrolling und --output oder --auto-name: das Fenster unter dem globalen Punkt &lt;x,y&gt;, auf seine Form zugeschnitten, bzw. die ganze Seite, die darin gescrollt wird.</translation>
    </message>
    <message>
        <source>x,y</source>
        <translation>x,y</translation>
    </message>
    <message>
        <source>With --capture window and --output or --auto-name: the window that has the keyboard focus, cut to its shape.</source>
        <translation>Mit --capture window und --output oder --auto-name: das Fenster mit dem Tastaturfokus, auf seine Form zugeschnitten.</translation>
    </message>
    <message>
        <source>With --output or --auto-name: exactly the area &lt;WxH+X+Y&gt; of the desktop, in its pixels across all monitors (implies --capture fullscreen).</source>
        <translation>Mit --output oder --auto-name: genau der Bereich &lt;WxH+X+Y&gt; des Desktops, in dessen Pixeln über alle Monitore hinweg (impliziert --capture fullscreen).</translation>
    </message>
    <message>
        <source>geometry</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>With --capture fullscreen and --output or --auto-name: the monitor &lt;n&gt; (an index or a name of --list-monitors) instead of the one under the pointer; &quot;all&quot; takes the whole desktop, black where no monitor shows.</source>
        <translation>Mit --capture fullscreen und --output oder --auto-name: der Monitor &lt;n&gt; (ein Index oder ein Name aus --list-monitors) statt des Monitors unter dem Mauszeiger; &quot;all&quot; nimmt den ganzen Desktop auf, schwarz, wo kein Monitor etwas zeigt.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Print the monitors: index, name, geometry (WxH+X+Y) and which one is primary.</source>
        <translation>Die Monitore ausgeben: Index, Name, Geometrie (WxH+X+Y) und welcher der primäre ist.</translation>
    </message>
    <message>
        <source>With --output or --auto-name: wait &lt;ms&gt; milliseconds before capturing.</source>
        <translation>Mit --output oder --auto-name: vor der Aufnahme &lt;ms&gt; Millisekunden warten.</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start hidden in the notification area.</source>
        <translation>Ausgeblendet in der Systemleiste starten.</translation>
    </message>
    <message>
        <source>--output, --auto-name and --delay need --capture</source>
        <translation>--output, --auto-name und --delay erfordern --capture</translation>
    </message>
    <message>
        <source>unknown capture mode &quot;%1&quot; (expected %2)</source>
        <translation>unbekannter Aufnahmemodus &quot;%1&quot; (erwartet: %2)</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output erfordert einen Dateinamen</translation>
    </message>
    <message>
        <source>--output and --auto-name exclude each other</source>
        <translation>--output und --auto-name schließen einander aus</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>unbekanntes Argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 goes with %2</source>
        <translation>--%1 gehört zu %2</translation>
    </message>
    <message>
        <source>--capture window and --output or --auto-name</source>
        <translation>--capture window und --output oder --auto-name</translation>
    </message>
    <message>
        <source>--capture fullscreen and --output or --auto-name</source>
        <translation>--capture fullscreen und --output oder --auto-name</translation>
    </message>
    <message>
        <source>--capture fullscreen and --output or --auto-name, without --region</source>
        <translation>--capture fullscreen und --output oder --auto-name, ohne --region</translation>
    </message>
    <message>
        <source>--output or --auto-name</source>
        <translation>--output oder --auto-name</translation>
    </message>
    <message>
        <source>--capture region, without a picture to write</source>
        <translation>--capture region, ohne zu schreibendes Bild</translation>
    </message>
    <message>
        <source>--at goes with --capture window or scrolling and --output, --auto-name or --clipboard, and --capture scrolling needs it</source>
        <translation>--at gehört zu --capture window oder scrolling und --output, --auto-name oder --clipboard, und --capture scrolling erfordert es</translation>
    </message>
    <message>
        <source>--at needs a point as x,y, not &quot;%1&quot;</source>
        <translation>--at erwartet einen Punkt als x,y, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--region needs a geometry WxH+X+Y with a width and a height of at least 1, not &quot;%1&quot;</source>
        <translation>--region erwartet eine Geometrie WxH+X+Y mit einer Breite und Höhe von mindestens 1, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--monitor needs an index, a name or &quot;all&quot;</source>
        <translation>--monitor erwartet einen Index, einen Namen oder &quot;all&quot;</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (expected png, jpg or bmp)</source>
        <translation>unbekanntes Format &quot;%1&quot; (erwartet: png, jpg oder bmp)</translation>
    </message>
    <message>
        <source>--delay needs a number of milliseconds, not &quot;%1&quot;</source>
        <translation>--delay erwartet eine Anzahl Millisekunden, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Options of the toolkit:</source>
        <translation>Optionen des Toolkits:</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot; ignored</source>
        <translation>unbekanntes Argument &quot;%1&quot; ignoriert</translation>
    </message>
    <message>
        <source> (to start hidden in the notification area, give &quot;%1&quot;)</source>
        <translation> (zum ausgeblendeten Start in der Systemleiste &quot;%1&quot; angeben)</translation>
    </message>
</context>
<context>
    <name>VConfigCapture</name>
    <message>
        <source>A relative folder may not leave the home folder.</source>
        <translation>Ein relativer Ordner darf nicht aus dem persönlichen Ordner herausführen.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptEllipse</name>
    <message>
        <source>How To Draw Ellipse</source>
        <translation>So zeichnen Sie eine Ellipse</translation>
    </message>
    <message>
        <source> - Left Click and drag the box the ellipse fits in.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Mit der linken Maustaste das Rechteck aufziehen, in das die Ellipse passt.&lt;br&gt; - Rechtsklick oder Esc-Taste zum Abbrechen.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptHighlighter</name>
    <message>
        <source>How To Highlight</source>
        <translation>So heben Sie etwas hervor</translation>
    </message>
    <message>
        <source> - Left Click and drag over what should stand out.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Mit der linken Maustaste über das ziehen, was hervorgehoben werden soll.&lt;br&gt; - Rechtsklick oder Esc-Taste zum Abbrechen.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptLine</name>
    <message>
        <source>Length: %1</source>
        <translation>Länge: %1</translation>
    </message>
</context>
<context>
    <name>VCreatePromptObfuscate</name>
    <message>
        <source>How To Hide a Secret</source>
        <translation>So machen Sie Vertrauliches unkenntlich</translation>
    </message>
    <message>
        <source> - Left Click and drag over the area to pixelate.&lt;br&gt; - Choose blur in its properties.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Mit der linken Maustaste über den zu verpixelnden Bereich ziehen.&lt;br&gt; - Weichzeichnen in den Eigenschaften wählen.&lt;br&gt; - Rechtsklick oder Esc-Taste zum Abbrechen.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptPen</name>
    <message>
        <source>How To Draw Freehand</source>
        <translation>So zeichnen Sie freihändig</translation>
    </message>
    <message>
        <source> - Left Click and drag to draw.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Mit der linken Maustaste ziehen, um zu zeichnen.&lt;br&gt; - Rechtsklick oder Esc-Taste zum Abbrechen.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptPolyline</name>
    <message>
        <source>How To Draw Polyline/Polygon</source>
        <translation>So zeichnen Sie einen Linienzug/ein Polygon</translation>
    </message>
    <message>
        <source> - Single Click to add a point.&lt;br&gt; - Right Click or Double Click to finish.&lt;br&gt; - Press ESC key to cancel.</source>
        <translation> - Einfachklick fügt einen Punkt hinzu.&lt;br&gt; - Rechtsklick oder Doppelklick zum Abschließen.&lt;br&gt; - Esc-Taste zum Abbrechen.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptRectangle</name>
    <message>
        <source>How To Draw Rectangle</source>
        <translation>So zeichnen Sie ein Rechteck</translation>
    </message>
    <message>
        <source> - Left Click and drag to select a region.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Mit der linken Maustaste ziehen, um einen Bereich auszuwählen.&lt;br&gt; - Rechtsklick oder Esc-Taste zum Abbrechen.</translation>
    </message>
    <message>
        <source>Width: %1
Height: %2</source>
        <translation>Breite: %1
Höhe: %2</translation>
    </message>
</context>
<context>
    <name>VCreatePromptStepMarker</name>
    <message>
        <source>How To Number Steps</source>
        <translation>So nummerieren Sie Schritte</translation>
    </message>
    <message>
        <source> - Left Click where the next step marker goes.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Linksklick an die Stelle der nächsten Schrittmarke.&lt;br&gt; - Rechtsklick oder Esc-Taste zum Abbrechen.</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
</context>
<context>
    <name>VCreatePromptWindow</name>
    <message>
        <source>How To Select Window</source>
        <translation>So wählen Sie ein Fenster</translation>
    </message>
    <message>
        <source>Move the mouse pointer over a window,&lt;br&gt;and Left Click to select the region.&lt;br&gt;Right Click or press ESC to cancel.</source>
        <translation>Bewegen Sie den Mauszeiger über ein Fenster&lt;br&gt;und klicken Sie links, um den Bereich auszuwählen.&lt;br&gt;Rechtsklick oder Esc zum Abbrechen.</translation>
    </message>
    <message>
        <source>Title: %1
Class Name: %2
Size: %3 x %4</source>
        <translation>Titel: %1
Klassenname: %2
Größe: %3 x %4</translation>
    </message>
</context>
<context>
    <name>VDeliveryNotice</name>
    <message>
        <source>Saved to %1
Click to open its folder.</source>
        <translation>Gespeichert unter %1
Klicken, um den Ordner zu öffnen.</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>In die Zwischenablage kopiert.</translation>
    </message>
</context>
<context>
    <name>VDialogFileOptions</name>
    <message>
        <source>Options: Automatic File Name</source>
        <translation>Optionen: Automatischer Dateiname</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>The Format field displays the file name components as they are 
inserted into the file name. 

You are also able to type text into this field. Free text can be 
added before, after, or in-between the file name components. 

Dashes (-) and spaces can also be used to separate the different 
components if you would like. 
</source>
        <translation>Das Feld „Format“ zeigt die Bestandteile des Dateinamens so, 
wie sie in den Dateinamen eingefügt werden. 

Sie können in dieses Feld auch Text eingeben. Freier Text kann 
vor, nach oder zwischen den Bestandteilen stehen. 

Bindestriche (-) und Leerzeichen können ebenfalls verwendet 
werden, um die Bestandteile voneinander zu trennen. 
</translation>
    </message>
    <message>
        <source>Capture-D-h-m-s</source>
        <translation>Capture-D-h-m-s</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Read-only field that shows you how your file name will look using 
the different components that you have selected. Any free text 
that you add will also be reflected in this field. 

As you add components or text to the file name, this field will 
automatically update for you. </source>
        <translation>Schreibgeschütztes Feld, das zeigt, wie Ihr Dateiname mit den 
gewählten Bestandteilen aussehen wird. Auch freier Text, den Sie 
hinzufügen, erscheint in diesem Feld. 

Wenn Sie dem Dateinamen Bestandteile oder Text hinzufügen, wird 
dieses Feld automatisch aktualisiert. </translation>
    </message>
    <message>
        <source>Create Subfolders</source>
        <translation>Unterordner erstellen</translation>
    </message>
    <message>
        <source>YM</source>
        <translation>YM</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>1. File name cannot contains any of the following
     invalid characters  * ? : &lt;&gt; / |  &quot;
2. Avoid repeated names using the file name
     components (time variables):
     (NOTE: time variables are case-sensitive)
     Y - Year with century, as decimal number
     M - Month as decimal number (01 - 12)
     D - Day of month as decimal number (01 - 31)
     h - Hour in 24-hour format (00 - 23)
     m - Minute as decimal number (00 - 59)
     s - Second as decimal number (00 - 59)</source>
        <translation>1. Der Dateiname darf keines der folgenden
     ungültigen Zeichen enthalten:  * ? : &lt;&gt; / |  &quot;
2. Vermeiden Sie doppelte Namen mit den
     Bestandteilen des Dateinamens (Zeitvariablen):
     (HINWEIS: Groß-/Kleinschreibung beachten)
     Y - Jahr mit Jahrhundert, als Dezimalzahl
     M - Monat als Dezimalzahl (01 - 12)
     D - Tag des Monats als Dezimalzahl (01 - 31)
     h - Stunde im 24-Stunden-Format (00 - 23)
     m - Minute als Dezimalzahl (00 - 59)
     s - Sekunde als Dezimalzahl (00 - 59)</translation>
    </message>
</context>
<context>
    <name>VDialogPromptTarget</name>
    <message>
        <source>Select Output Target</source>
        <translation>Ausgabeziel wählen</translation>
    </message>
    <message>
        <source>Save to clipboard</source>
        <translation>In Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy the selected image to clipboard. You can paste to your favorite editor later.</source>
        <translation>Kopiert das ausgewählte Bild in die Zwischenablage. Sie können es später in Ihren bevorzugten Editor einfügen.</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Save the selected image to a folder on your hard disk drive, or another storage location. You&apos;ll be prompted to choose a folder and input a file name.</source>
        <translation>Speichert das ausgewählte Bild in einem Ordner auf Ihrer Festplatte oder an einem anderen Speicherort. Sie werden aufgefordert, einen Ordner zu wählen und einen Dateinamen einzugeben.</translation>
    </message>
    <message>
        <source>Closes this window and throws the capture away. The program keeps running.</source>
        <translation>Schließt dieses Fenster und verwirft die Aufnahme. Das Programm läuft weiter.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Don&apos;t save to clipboard or file and exit.</source>
        <translation>Weder in die Zwischenablage noch in eine Datei speichern und beenden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Failed to save the file: %1</source>
        <translation>Die Datei konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>VDrawingTool</name>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Polyline</source>
        <translation>Linienzug</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Draw an ellipse in the dragged box</source>
        <translation>Ellipse im aufgezogenen Rechteck zeichnen</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Draw freehand</source>
        <translation>Freihand zeichnen</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>Textmarker</translation>
    </message>
    <message>
        <source>Mark text and details with a marker stroke</source>
        <translation>Text und Details mit einem Markerstrich hervorheben</translation>
    </message>
    <message>
        <source>Obfuscate</source>
        <translation>Verpixeln</translation>
    </message>
    <message>
        <source>Pixelate or blur an area that must stay secret</source>
        <translation>Vertraulichen Bereich verpixeln oder weichzeichnen</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Place the next numbered step marker</source>
        <translation>Nächste nummerierte Schrittmarke setzen</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
</context>
<context>
    <name>VFileNameTemplate</name>
    <message>
        <source>A name cannot have a &quot;..&quot; part: it would point to the folder above.</source>
        <translation>Ein Name darf keinen Teil &quot;..&quot; enthalten: Er würde auf den übergeordneten Ordner verweisen.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \: it would leave the save folder.</source>
        <translation>Ein Name darf weder / noch \ enthalten: Er würde den Speicherordner verlassen.</translation>
    </message>
    <message>
        <source>A name cannot contain control characters.</source>
        <translation>Ein Name darf keine Steuerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>VFullScreenSelector</name>
    <message>
        <source>Talvik is Capturing</source>
        <translation>Talvik nimmt auf</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Captures any user-defined rectangular region. This is good option
for capturing areas that are not outlined by borders or edges that
TalvikCapture can find.</source>
        <translation>Nimmt einen beliebigen, selbst gewählten rechteckigen Bereich auf.
Gut geeignet für Bereiche, die nicht durch Rahmen oder Kanten
begrenzt sind, die TalvikCapture erkennen kann.</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;Captures any user-defined polygon region. This is good option&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;for capturing areas that are not outlined by borders or edges that&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;TalvikCapture can find.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;Nimmt einen beliebigen, selbst gewählten Polygonbereich auf.&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;Gut geeignet für Bereiche, die nicht durch Rahmen oder Kanten&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;begrenzt sind, die TalvikCapture erkennen kann.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Captures all or part of any window you specify. </source>
        <translation>Nimmt ein beliebiges Fenster ganz oder teilweise auf. </translation>
    </message>
    <message>
        <source>Add more captured areas</source>
        <translation>Weitere Bereiche aufnehmen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Draw annotations</source>
        <translation>Anmerkungen zeichnen</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Ausgewählte Elemente löschen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Print preview and print</source>
        <translation>Druckvorschau und Drucken</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Save to clipboard</source>
        <translation>In Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Discard and exit</source>
        <translation>Verwerfen und beenden</translation>
    </message>
    <message>
        <source>Your Capture Is Ready</source>
        <translation>Ihre Aufnahme ist fertig</translation>
    </message>
    <message>
        <source>Draw on it with the tools below, then&lt;br&gt;Ctrl+S saves, Ctrl+C copies, Ctrl+P prints.</source>
        <translation>Zeichnen Sie mit den Werkzeugen unten darauf, dann&lt;br&gt;Strg+S speichert, Strg+C kopiert, Strg+P druckt.</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>The frozen screen: drag to pick an area, then draw on it with the tools.</source>
        <translation>Der eingefrorene Bildschirm: Ziehen Sie, um einen Bereich zu wählen, und zeichnen Sie dann mit den Werkzeugen darauf.</translation>
    </message>
</context>
<context>
    <name>VHelpBalloon</name>
    <message>
        <source>&lt;a href=&quot;0&quot;&gt;Don&apos;t Show me this Again.&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;0&quot;&gt;Nicht mehr anzeigen.&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>VHotkeyEdit</name>
    <message>
        <source>Setting Hotkey</source>
        <translation>Tastenkürzel festlegen</translation>
    </message>
</context>
<context>
    <name>VHotkeys</name>
    <message>
        <source>Hotkey setting is empty.</source>
        <translation>Kein Tastenkürzel festgelegt.</translation>
    </message>
    <message>
        <source>%1 is not a valid hotkey</source>
        <translation>%1 ist kein gültiges Tastenkürzel</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Win: %1 alone would block other programs</source>
        <translation>Strg, Alt oder Win hinzufügen: %1 allein würde andere Programme blockieren</translation>
    </message>
    <message>
        <source>Failed to set hotkey: %1 is already the %2 hotkey</source>
        <translation>Tastenkürzel nicht festgelegt: %1 ist bereits das Tastenkürzel für %2</translation>
    </message>
    <message>
        <source>Failed to set hotkey: %1</source>
        <translation>Tastenkürzel nicht festgelegt: %1</translation>
    </message>
</context>
<context>
    <name>VJpegWriter</name>
    <message>
        <source>a JPEG picture can be at most %1 pixels high and wide</source>
        <translation>ein JPEG-Bild darf höchstens %1 Pixel hoch und breit sein</translation>
    </message>
</context>
<context>
    <name>VMainDialog</name>
    <message>
        <source>Morvane Screen Capture</source>
        <translation>Morvane Screen Capture</translation>
    </message>
    <message>
        <source>.QWidget { background-color: rgb(70,70,70); }</source>
        <translation>.QWidget { background-color: rgb(70,70,70); }</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Bereich</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Scrolling</source>
        <translation>&amp;Scrollen</translation>
    </message>
    <message>
        <source>F&amp;ullScreen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Advanced &amp;Options</source>
        <translation>Erweiterte &amp;Optionen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>&amp;Include cursor</source>
        <translation>&amp;Mauszeiger aufnehmen</translation>
    </message>
    <message>
        <source>Time interval for scrolling pages:</source>
        <translation>Zeitabstand beim Seitenscrollen:</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>miliseconds (0~5000)</source>
        <translation>Millisekunden (0~5000)</translation>
    </message>
    <message>
        <source>Use instant system tray popup button panel.</source>
        <translation>Schnellmenü am Symbol in der Systemleiste verwenden.</translation>
    </message>
    <message>
        <source>Automatically run TalvikCapture when I &amp;log on to Windows.</source>
        <translation>TalvikCapture bei der Anmeldung an &amp;Windows automatisch starten.</translation>
    </message>
    <message>
        <source>Close to system tra&amp;y icon.</source>
        <translation>Beim Schließen in die S&amp;ystemleiste minimieren.</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Ausgabedatei</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Ask for a &amp;name</source>
        <translation>Nach &amp;Namen fragen</translation>
    </message>
    <message>
        <source>Au&amp;tomatic save to folder: </source>
        <translation>Au&amp;tomatisch speichern im Ordner: </translation>
    </message>
    <message>
        <source>&amp;...</source>
        <translation>&amp;...</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>JPEG Image</source>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>PNG (Protable Network Graphics)</source>
        <translation>PNG (Portable Network Graphics)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Full Screen:</source>
        <translation>Vollbild:</translation>
    </message>
    <message>
        <source>Set to default hotkey.</source>
        <translation>Auf Standard-Tastenkürzel zurücksetzen.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Fenster:</translation>
    </message>
    <message>
        <source>Scrolling:</source>
        <translation>Scrollen:</translation>
    </message>
    <message>
        <source>Automatically &amp;check for updates and notify me.</source>
        <translation>Automatisch nach &amp;Updates suchen und mich benachrichtigen.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;share&quot; style=&quot;color:#8fc3ff&quot;&gt;Tell a Friend&lt;/a&gt; and help keep this tool Free!</source>
        <translation>&lt;a href=&quot;share&quot; style=&quot;color:#8fc3ff&quot;&gt;Weiterempfehlen&lt;/a&gt; und helfen, dass dieses Programm kostenlos bleibt!</translation>
    </message>
    <message>
        <source>Hide this AD and you can open it again from help menu.</source>
        <translation>Diese Anzeige ausblenden; über das Hilfe-Menü können Sie sie wieder öffnen.</translation>
    </message>
    <message>
        <source>hide</source>
        <translation>ausblenden</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Polyggon</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>How long a scrolling capture waits after each scroll before it takes the next part, in milliseconds.</source>
        <translation>Wie lange eine Scroll-Aufnahme nach jedem Scrollen wartet, bevor sie den nächsten Teil aufnimmt, in Millisekunden.</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>JPEG-Qualität</translation>
    </message>
    <message>
        <source>Lower quality makes smaller files; higher quality keeps more detail.</source>
        <translation>Geringere Qualität ergibt kleinere Dateien, höhere Qualität bewahrt mehr Details.</translation>
    </message>
</context>
<context>
    <name>VMainHelp</name>
    <message>
        <source>Email Support</source>
        <translation>Support per E-Mail</translation>
    </message>
    <message>
        <source>Submit Issue Online</source>
        <translation>Problem online melden</translation>
    </message>
    <message>
        <source>Product Homepage</source>
        <translation>Produkt-Website</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>About Morvane Screen Capture</source>
        <translation>Über Morvane Screen Capture</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>VMainSettings</name>
    <message>
        <source>The desktop&apos;s screenshot service decides whether the pointer is in the picture.</source>
        <translation>Der Bildschirmfoto-Dienst des Desktops entscheidet, ob der Mauszeiger im Bild erscheint.</translation>
    </message>
    <message>
        <source>This desktop does not let a program see keys pressed for other programs, so these hotkeys cannot work. Bind &quot;TalvikCapture --capture region&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Dieser Desktop lässt Programme keine Tasten sehen, die für andere Programme gedrückt werden, daher können diese Tastenkürzel nicht funktionieren. Legen Sie stattdessen in den Tastatureinstellungen des Desktops ein Tastenkürzel für &quot;TalvikCapture --capture region&quot; fest.</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons: closing the main window ends the program.</source>
        <translation>Diese Arbeitsumgebung zeigt keine Symbole in der Systemleiste an: Das Schließen des Hauptfensters beendet das Programm.</translation>
    </message>
    <message>
        <source>Use the %1 hotkey</source>
        <translation>Tastenkürzel für %1 verwenden</translation>
    </message>
    <message>
        <source>Press the key combination to use.</source>
        <translation>Drücken Sie die gewünschte Tastenkombination.</translation>
    </message>
    <message>
        <source>Default %1 hotkey</source>
        <translation>Standard-Tastenkürzel für %1</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>VOneShotCapture</name>
    <message>
        <source>there is no window at %1,%2</source>
        <translation>bei %1,%2 gibt es kein Fenster</translation>
    </message>
    <message>
        <source>the screen could not be grabbed</source>
        <translation>der Bildschirm konnte nicht aufgenommen werden</translation>
    </message>
    <message>
        <source>no window has the keyboard focus, or the desktop does not tell which</source>
        <translation>kein Fenster hat den Tastaturfokus, oder der Desktop gibt nicht an, welches</translation>
    </message>
    <message>
        <source>there is no monitor &quot;%1&quot; (--list-monitors shows them)</source>
        <translation>es gibt keinen Monitor &quot;%1&quot; (--list-monitors zeigt die Monitore an)</translation>
    </message>
    <message>
        <source>the region %1 is not within the desktop, %2</source>
        <translation>der Bereich %1 liegt nicht innerhalb des Desktops, %2</translation>
    </message>
    <message>
        <source>unknown file suffix &quot;%1&quot; (expected png, jpg, jpeg or bmp)</source>
        <translation>unbekannte Dateiendung &quot;%1&quot; (erwartet: png, jpg, jpeg oder bmp)</translation>
    </message>
    <message>
        <source>the setting TargetFormat=%1 names no file format (0 PNG, 1 JPEG, 2 BMP)</source>
        <translation>die Einstellung TargetFormat=%1 bezeichnet kein Dateiformat (0 PNG, 1 JPEG, 2 BMP)</translation>
    </message>
    <message>
        <source>on Wayland the clipboard keeps a picture only while its program runs: use --output - | wl-copy</source>
        <translation>unter Wayland behält die Zwischenablage ein Bild nur, solange sein Programm läuft: --output - | wl-copy verwenden</translation>
    </message>
    <message>
        <source>the picture could not be put on the clipboard</source>
        <translation>das Bild konnte nicht in die Zwischenablage gelegt werden</translation>
    </message>
</context>
<context>
    <name>VOutput</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>unknown file format %1</source>
        <translation>unbekanntes Dateiformat %1</translation>
    </message>
    <message>
        <source>the image is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>a JPEG picture can be at most %1 pixels high and wide, this one is %2 x %3; save it as PNG</source>
        <translation>ein JPEG-Bild darf höchstens %1 Pixel hoch und breit sein, dieses hat %2 x %3; speichern Sie es als PNG</translation>
    </message>
    <message>
        <source>the picture is too large for BMP</source>
        <translation>das Bild ist zu groß für BMP</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>no free file name in %1</source>
        <translation>kein freier Dateiname in %1</translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation>Bilder (*.%1)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>a new copy could not keep its owner and group (%1)</source>
        <translation>eine neue Kopie konnte Besitzer und Gruppe nicht beibehalten (%1)</translation>
    </message>
</context>
<context>
    <name>VOverlayOutput</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Failed to save the file: %1</source>
        <translation>Die Datei konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Failed to Copy to Clipboard, please save to file!</source>
        <translation>Kopieren in die Zwischenablage fehlgeschlagen, bitte in eine Datei speichern!</translation>
    </message>
</context>
<context>
    <name>VOverlayProperties</name>
    <message>
        <source>Show or hide the properties of the selected items (F4)</source>
        <translation>Eigenschaften der ausgewählten Elemente ein- oder ausblenden (F4)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
<context>
    <name>VPngWriter</name>
    <message>
        <source>the image is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>unsupported image format</source>
        <translation>nicht unterstütztes Bildformat</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>VPropertyManagerVector3D</name>
    <message>
        <source>undefined</source>
        <translation>undefiniert</translation>
    </message>
</context>
<context>
    <name>VPropertyVariousChecker</name>
    <message>
        <source>*VARIOUS*</source>
        <translation>*VERSCHIEDEN*</translation>
    </message>
</context>
<context>
    <name>VScreenGrabLater</name>
    <message>
        <source>The desktop&apos;s screenshot service cannot be reached (%1).</source>
        <translation>Der Bildschirmfoto-Dienst des Desktops ist nicht erreichbar (%1).</translation>
    </message>
    <message>
        <source>The desktop refused to take a screenshot.</source>
        <translation>Der Desktop hat das Bildschirmfoto verweigert.</translation>
    </message>
    <message>
        <source>The screenshot was cancelled.</source>
        <translation>Das Bildschirmfoto wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer in time.</source>
        <translation>Der Bildschirmfoto-Dienst des Desktops hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot could not be read (%1).</source>
        <translation>Das Bildschirmfoto des Desktops konnte nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The screen could not be grabbed.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden.</translation>
    </message>
</context>
<context>
    <name>VScrollProgress</name>
    <message>
        <source>%1 rows · Esc stops</source>
        <translation>%1 Zeilen · Esc beendet</translation>
    </message>
</context>
<context>
    <name>VScrollingCapture</name>
    <message>
        <source>The content changed during scrolling and no certain match was found; the part captured before is kept.</source>
        <translation>Der Inhalt hat sich beim Scrollen geändert und es wurde keine sichere Übereinstimmung gefunden; der zuvor aufgenommene Teil bleibt erhalten.</translation>
    </message>
    <message>
        <source>The content changed during scrolling; nothing was kept.</source>
        <translation>Der Inhalt hat sich beim Scrollen geändert; es wurde nichts behalten.</translation>
    </message>
    <message>
        <source>The page is longer than one picture may be (%1 rows or %2 million pixels); the capture stopped there and keeps what it has.</source>
        <translation>Die Seite ist länger, als ein Bild sein darf (%1 Zeilen oder %2 Millionen Pixel); die Aufnahme endete dort und behält das bisher Aufgenommene.</translation>
    </message>
    <message>
        <source>Stopped with Escape; the part captured so far is kept.</source>
        <translation>Mit Esc beendet; der bisher aufgenommene Teil bleibt erhalten.</translation>
    </message>
    <message>
        <source>This desktop does not let a program scroll another program&apos;s window.</source>
        <translation>Dieser Desktop erlaubt keinem Programm, das Fenster eines anderen Programms zu scrollen.</translation>
    </message>
</context>
<context>
    <name>VScrollingWindow</name>
    <message>
        <source>TalvikCapture - Scrolling Window</source>
        <translation>TalvikCapture - Scrollfenster</translation>
    </message>
    <message>
        <source>The content changed during scrolling!

 Still save the captured part?</source>
        <translation>Der Inhalt hat sich beim Scrollen geändert!

 Den aufgenommenen Teil trotzdem speichern?</translation>
    </message>
    <message>
        <source>Scrolling Window</source>
        <translation>Scrollfenster</translation>
    </message>
</context>
<context>
    <name>VSystemTrayIcon</name>
    <message>
        <source>&amp;Show Main Window</source>
        <translation>Hauptfenster &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Hide Main Window</source>
        <translation>Hauptfenster aus&amp;blenden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
</context>
<context>
    <name>VUndoButtons</name>
    <message>
        <source>Undo (%1)</source>
        <translation>Rückgängig (%1)</translation>
    </message>
    <message>
        <source>Redo (%1)</source>
        <translation>Wiederholen (%1)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>VWidgetQuickEditor</name>
    <message>
        <source>Border Width</source>
        <translation>Rahmenbreite</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Rahmenfarbe</translation>
    </message>
</context>
<context>
    <name>VWindowNode</name>
    <message>
        <source>This desktop does not let a program see other programs&apos; windows: capture a region instead.</source>
        <translation>Dieser Desktop lässt Programme die Fenster anderer Programme nicht sehen: Nehmen Sie stattdessen einen Bereich auf.</translation>
    </message>
</context>
</TS>
