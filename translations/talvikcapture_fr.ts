<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QtTreePropertyBrowser</name>
    <message>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
</context>
<context>
    <name>QtVariantEditorFactory</name>
    <message>
        <source>Choose a colour</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Choisir une police</translation>
    </message>
</context>
<context>
    <name>QtVariantPropertyManager</name>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
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
        <translation>Lance Talvik Capture dans la zone de notification, prêt pour ses raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>VCaptureMain</name>
    <message>
        <source>Try --help.</source>
        <translation>Essayez --help.</translation>
    </message>
    <message>
        <source>the running instance did not answer</source>
        <translation>l&apos;instance en cours d&apos;exécution n&apos;a pas répondu</translation>
    </message>
</context>
<context>
    <name>VCaptureModes</name>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Capture Region</source>
        <translation>Capturer une région</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Capture Window</source>
        <translation>Capturer une fenêtre</translation>
    </message>
    <message>
        <source>Scrolling</source>
        <translation>Défilement</translation>
    </message>
    <message>
        <source>Scrolling Window</source>
        <translation>Capture avec défilement</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Capture Full Screen</source>
        <translation>Capturer tout l&apos;écran</translation>
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
        <translation>Capture l&apos;écran, permet d&apos;annoter l&apos;image et l&apos;enregistre.

Exemples :
  TalvikCapture --capture fullscreen --clipboard
  TalvikCapture --capture fullscreen --output - | wl-copy
  TalvikCapture --region 640x480+100+50 --output part.png
  TalvikCapture --capture fullscreen --monitor all --auto-name
  TalvikCapture --capture window --active --output window.png
  TalvikCapture --capture scrolling --at 400,300 --output page.png

--capture region, ou window sans --at ni --active, avec --output, --auto-name ou --clipboard, ouvre la surcouche : sélectionnez (et annotez), puis enregistrez avec Ctrl+S pour écrire la cible, ou annulez avec Échap.

Codes de sortie : 0 terminé, 1 échec de la capture ou du fichier, 2 utilisation incorrecte, 3 partiel : une capture avec défilement a été interrompue (pas de correspondance certaine, Échap ou limites de taille) et la partie capturée est écrite, 4 annulé dans la surcouche.
Les messages sont écrits sur la sortie d&apos;erreur standard et commencent tous par &quot;%1: &quot; ; définissez QT_LOGGING_RULES=&quot;talvik.*.info=true&quot; pour obtenir des diagnostics.</translation>
    </message>
    <message>
        <source>Start a capture (%1) in the running instance, starting one when none runs.</source>
        <translation>Lancer une capture (%1) dans l&apos;instance en cours d&apos;exécution, en démarrant une instance si aucune ne tourne.</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>With --capture: write the capture to &lt;file&gt; and exit; &quot;-&quot; writes it to standard output. The suffix picks the format (png, jpg, jpeg, bmp) unless --format does.</source>
        <translation>Avec --capture : écrire la capture dans &lt;fichier&gt; et quitter ; « - » l&apos;écrit sur la sortie standard. Le suffixe détermine le format (png, jpg, jpeg, bmp), sauf si --format l&apos;indique.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>With --capture: write the capture under the automatic file name of the settings and exit.</source>
        <translation>Avec --capture : écrire la capture sous le nom de fichier automatique défini dans les paramètres et quitter.</translation>
    </message>
    <message>
        <source>With --capture: put the capture on the clipboard and exit, besides any file of --output or --auto-name. The running instance keeps it there, or else a process in the background until another program takes the clipboard over. On Wayland use --output - | wl-copy.</source>
        <translation>Avec --capture : placer la capture dans le presse-papiers et quitter, en plus de tout fichier indiqué par --output ou --auto-name. L&apos;instance en cours d&apos;exécution l&apos;y conserve, sinon un processus en arrière-plan, jusqu&apos;à ce qu&apos;un autre programme prenne possession du presse-papiers. Sous Wayland, utilisez --output - | wl-copy.</translation>
    </message>
    <message>
        <source>With --capture region: print the area picked in the overlay as WxH+X+Y instead of writing a picture.</source>
        <translation>Avec --capture region : afficher la zone sélectionnée dans la surcouche sous la forme WxH+X+Y au lieu d&apos;écrire une image.</translation>
    </message>
    <message>
        <source>With --output or --auto-name: write &lt;format&gt; (png, jpg or bmp) whatever the suffix or the settings say; standard output gets PNG without it.</source>
        <translation>Avec --output ou --auto-name : écrire au &lt;format&gt; indiqué (png, jpg ou bmp), quels que soient le suffixe ou les paramètres ; sans cette option, la sortie standard reçoit du PNG.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>With --capture window or scrolling and --output or --auto-name: the window under the global point &lt;x,y&gt;, cut to its shape, or the whole page it scrolls through.</source>
        <translation>Avec --capture window ou scrolling et --output ou --auto-name : la fenêtre située sous le point global &lt;x,y&gt;, découpée selon sa forme, ou toute la page qu&apos;elle fait défiler.</translation>
    </message>
    <message>
        <source>x,y</source>
        <translation>x,y</translation>
    </message>
    <message>
        <source>With --capture window and --output or --auto-name: the window that has the keyboard focus, cut to its shape.</source>
        <translation>Avec --capture window et --output ou --auto-name : la fenêtre qui a le focus clavier, découpée selon sa forme.</translation>
    </message>
    <message>
        <source>With --output or --auto-name: exactly the area &lt;WxH+X+Y&gt; of the desktop, in its pixels across all monitors (implies --capture fullscreen).</source>
        <translation>Avec --output ou --auto-name : exactement la zone &lt;WxH+X+Y&gt; du bureau, en pixels, sur l&apos;ensemble des écrans (implique --capture fullscreen).</translation>
    </message>
    <message>
        <source>geometry</source>
        <translation>géométrie</translation>
    </message>
    <message>
        <source>With --capture fullscreen and --output or --auto-name: the monitor &lt;n&gt; (an index or a name of --list-monitors) instead of the one under the pointer; &quot;all&quot; takes the whole desktop, black where no monitor shows.</source>
        <translation>Avec --capture fullscreen et --output ou --auto-name : l&apos;écran &lt;n&gt; (un index ou un nom donné par --list-monitors) au lieu de celui qui se trouve sous le pointeur ; « all » prend tout le bureau, en noir là où aucun écran n&apos;affiche rien.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Print the monitors: index, name, geometry (WxH+X+Y) and which one is primary.</source>
        <translation>Afficher les écrans : index, nom, géométrie (WxH+X+Y) et lequel est l&apos;écran principal.</translation>
    </message>
    <message>
        <source>With --output or --auto-name: wait &lt;ms&gt; milliseconds before capturing.</source>
        <translation>Avec --output ou --auto-name : attendre &lt;ms&gt; millisecondes avant la capture.</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start hidden in the notification area.</source>
        <translation>Démarrer masqué dans la zone de notification.</translation>
    </message>
    <message>
        <source>--output, --auto-name and --delay need --capture</source>
        <translation>--output, --auto-name et --delay nécessitent --capture</translation>
    </message>
    <message>
        <source>unknown capture mode &quot;%1&quot; (expected %2)</source>
        <translation>mode de capture inconnu « %1 » (attendu : %2)</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output nécessite un nom de fichier</translation>
    </message>
    <message>
        <source>--output and --auto-name exclude each other</source>
        <translation>--output et --auto-name s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>argument inconnu « %1 »</translation>
    </message>
    <message>
        <source>--%1 goes with %2</source>
        <translation>--%1 ne s&apos;utilise qu&apos;avec %2</translation>
    </message>
    <message>
        <source>--capture window and --output or --auto-name</source>
        <translation>--capture window et --output ou --auto-name</translation>
    </message>
    <message>
        <source>--capture fullscreen and --output or --auto-name</source>
        <translation>--capture fullscreen et --output ou --auto-name</translation>
    </message>
    <message>
        <source>--capture fullscreen and --output or --auto-name, without --region</source>
        <translation>--capture fullscreen et --output ou --auto-name, sans --region</translation>
    </message>
    <message>
        <source>--output or --auto-name</source>
        <translation>--output ou --auto-name</translation>
    </message>
    <message>
        <source>--capture region, without a picture to write</source>
        <translation>--capture region, sans image à écrire</translation>
    </message>
    <message>
        <source>--at goes with --capture window or scrolling and --output, --auto-name or --clipboard, and --capture scrolling needs it</source>
        <translation>--at ne s&apos;utilise qu&apos;avec --capture window ou scrolling et --output, --auto-name ou --clipboard, et --capture scrolling l&apos;exige</translation>
    </message>
    <message>
        <source>--at needs a point as x,y, not &quot;%1&quot;</source>
        <translation>--at attend un point sous la forme x,y, et non « %1 »</translation>
    </message>
    <message>
        <source>--region needs a geometry WxH+X+Y with a width and a height of at least 1, not &quot;%1&quot;</source>
        <translation>--region attend une géométrie WxH+X+Y avec une largeur et une hauteur d&apos;au moins 1, et non « %1 »</translation>
    </message>
    <message>
        <source>--monitor needs an index, a name or &quot;all&quot;</source>
        <translation>--monitor attend un index, un nom ou « all »</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (expected png, jpg or bmp)</source>
        <translation>format inconnu « %1 » (attendu : png, jpg ou bmp)</translation>
    </message>
    <message>
        <source>--delay needs a number of milliseconds, not &quot;%1&quot;</source>
        <translation>--delay attend un nombre de millisecondes, et non « %1 »</translation>
    </message>
    <message>
        <source>Options of the toolkit:</source>
        <translation>Options de la bibliothèque graphique :</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot; ignored</source>
        <translation>argument inconnu « %1 » ignoré</translation>
    </message>
    <message>
        <source> (to start hidden in the notification area, give &quot;%1&quot;)</source>
        <translation> (pour démarrer masqué dans la zone de notification, indiquez « %1 »)</translation>
    </message>
</context>
<context>
    <name>VConfigCapture</name>
    <message>
        <source>A relative folder may not leave the home folder.</source>
        <translation>Un dossier relatif ne peut pas sortir du dossier personnel.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptEllipse</name>
    <message>
        <source>How To Draw Ellipse</source>
        <translation>Comment dessiner une ellipse</translation>
    </message>
    <message>
        <source> - Left Click and drag the box the ellipse fits in.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Faites un clic gauche et glissez pour tracer le cadre de l&apos;ellipse.&lt;br&gt; - Faites un clic droit ou appuyez sur ESC pour annuler.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptHighlighter</name>
    <message>
        <source>How To Highlight</source>
        <translation>Comment surligner</translation>
    </message>
    <message>
        <source> - Left Click and drag over what should stand out.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Faites un clic gauche et glissez sur ce qui doit ressortir.&lt;br&gt; - Faites un clic droit ou appuyez sur ESC pour annuler.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptLine</name>
    <message>
        <source>Length: %1</source>
        <translation>Longueur : %1</translation>
    </message>
</context>
<context>
    <name>VCreatePromptObfuscate</name>
    <message>
        <source>How To Hide a Secret</source>
        <translation>Comment masquer une information secrète</translation>
    </message>
    <message>
        <source> - Left Click and drag over the area to pixelate.&lt;br&gt; - Choose blur in its properties.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Faites un clic gauche et glissez sur la zone à pixeliser.&lt;br&gt; - Choisissez le flou dans ses propriétés.&lt;br&gt; - Faites un clic droit ou appuyez sur ESC pour annuler.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptPen</name>
    <message>
        <source>How To Draw Freehand</source>
        <translation>Comment dessiner à main levée</translation>
    </message>
    <message>
        <source> - Left Click and drag to draw.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Faites un clic gauche et glissez pour dessiner.&lt;br&gt; - Faites un clic droit ou appuyez sur ESC pour annuler.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptPolyline</name>
    <message>
        <source>How To Draw Polyline/Polygon</source>
        <translation>Comment dessiner une polyligne ou un polygone</translation>
    </message>
    <message>
        <source> - Single Click to add a point.&lt;br&gt; - Right Click or Double Click to finish.&lt;br&gt; - Press ESC key to cancel.</source>
        <translation> - Cliquez une fois pour ajouter un point.&lt;br&gt; - Faites un clic droit ou double-cliquez pour terminer.&lt;br&gt; - Appuyez sur ESC pour annuler.</translation>
    </message>
</context>
<context>
    <name>VCreatePromptRectangle</name>
    <message>
        <source>How To Draw Rectangle</source>
        <translation>Comment dessiner un rectangle</translation>
    </message>
    <message>
        <source> - Left Click and drag to select a region.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Faites un clic gauche et glissez pour sélectionner une zone.&lt;br&gt; - Faites un clic droit ou appuyez sur ESC pour annuler.</translation>
    </message>
    <message>
        <source>Width: %1
Height: %2</source>
        <translation>Largeur : %1
Hauteur : %2</translation>
    </message>
</context>
<context>
    <name>VCreatePromptStepMarker</name>
    <message>
        <source>How To Number Steps</source>
        <translation>Comment numéroter des étapes</translation>
    </message>
    <message>
        <source> - Left Click where the next step marker goes.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - Faites un clic gauche là où doit aller le prochain repère d&apos;étape.&lt;br&gt; - Faites un clic droit ou appuyez sur ESC pour annuler.</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
</context>
<context>
    <name>VCreatePromptWindow</name>
    <message>
        <source>How To Select Window</source>
        <translation>Comment sélectionner une fenêtre</translation>
    </message>
    <message>
        <source>Move the mouse pointer over a window,&lt;br&gt;and Left Click to select the region.&lt;br&gt;Right Click or press ESC to cancel.</source>
        <translation>Placez le pointeur de la souris sur une fenêtre,&lt;br&gt;puis faites un clic gauche pour sélectionner la zone.&lt;br&gt;Faites un clic droit ou appuyez sur ESC pour annuler.</translation>
    </message>
    <message>
        <source>Title: %1
Class Name: %2
Size: %3 x %4</source>
        <translation>Titre : %1
Nom de classe : %2
Taille : %3 x %4</translation>
    </message>
</context>
<context>
    <name>VDeliveryNotice</name>
    <message>
        <source>Saved to %1
Click to open its folder.</source>
        <translation>Capture enregistrée sous %1
Cliquez pour ouvrir son dossier.</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Capture copiée dans le presse-papiers.</translation>
    </message>
</context>
<context>
    <name>VDialogFileOptions</name>
    <message>
        <source>Options: Automatic File Name</source>
        <translation>Options : nom de fichier automatique</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>The Format field displays the file name components as they are 
inserted into the file name. 

You are also able to type text into this field. Free text can be 
added before, after, or in-between the file name components. 

Dashes (-) and spaces can also be used to separate the different 
components if you would like. 
</source>
        <translation>Le champ Format affiche les éléments du nom de fichier tels qu&apos;ils 
sont insérés dans le nom du fichier. 

Vous pouvez aussi saisir du texte dans ce champ. Du texte libre peut 
être ajouté avant, après ou entre les éléments du nom de fichier. 

Des tirets (-) et des espaces peuvent aussi servir à séparer les 
différents éléments si vous le souhaitez. 
</translation>
    </message>
    <message>
        <source>Capture-D-h-m-s</source>
        <translation>Capture-D-h-m-s</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>Read-only field that shows you how your file name will look using 
the different components that you have selected. Any free text 
that you add will also be reflected in this field. 

As you add components or text to the file name, this field will 
automatically update for you. </source>
        <translation>Champ en lecture seule qui montre à quoi ressemblera votre nom de 
fichier avec les différents éléments que vous avez choisis. Tout texte 
libre que vous ajoutez apparaît également dans ce champ. 

À mesure que vous ajoutez des éléments ou du texte au nom de fichier, 
ce champ se met à jour automatiquement. </translation>
    </message>
    <message>
        <source>Create Subfolders</source>
        <translation>Créer des sous-dossiers</translation>
    </message>
    <message>
        <source>YM</source>
        <translation>YM</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Conseils</translation>
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
        <translation>1. Le nom de fichier ne peut contenir aucun des caractères
     interdits suivants  * ? : &lt;&gt; / |  &quot;
2. Évitez les noms en double grâce aux éléments du nom
     de fichier (variables de temps) :
     (REMARQUE : les variables de temps respectent la casse)
     Y - Année sur quatre chiffres, en nombre décimal
     M - Mois en nombre décimal (01 - 12)
     D - Jour du mois en nombre décimal (01 - 31)
     h - Heure au format 24 heures (00 - 23)
     m - Minute en nombre décimal (00 - 59)
     s - Seconde en nombre décimal (00 - 59)</translation>
    </message>
</context>
<context>
    <name>VDialogPromptTarget</name>
    <message>
        <source>Select Output Target</source>
        <translation>Choisir la destination</translation>
    </message>
    <message>
        <source>Save to clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy the selected image to clipboard. You can paste to your favorite editor later.</source>
        <translation>Copier l&apos;image sélectionnée dans le presse-papiers. Vous pourrez ensuite la coller dans votre éditeur préféré.</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Save the selected image to a folder on your hard disk drive, or another storage location. You&apos;ll be prompted to choose a folder and input a file name.</source>
        <translation>Enregistrer l&apos;image sélectionnée dans un dossier de votre disque dur ou sur un autre support de stockage. Vous serez invité à choisir un dossier et à saisir un nom de fichier.</translation>
    </message>
    <message>
        <source>Closes this window and throws the capture away. The program keeps running.</source>
        <translation>Ferme cette fenêtre et abandonne la capture. Le programme continue de s&apos;exécuter.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Don&apos;t save to clipboard or file and exit.</source>
        <translation>Ne rien copier ni enregistrer, et fermer.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Failed to save the file: %1</source>
        <translation>Impossible d&apos;enregistrer le fichier : %1</translation>
    </message>
</context>
<context>
    <name>VDrawingTool</name>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Polyline</source>
        <translation>Polyligne</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Draw an ellipse in the dragged box</source>
        <translation>Dessiner une ellipse dans le cadre tracé</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Draw freehand</source>
        <translation>Dessiner à main levée</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>Surligneur</translation>
    </message>
    <message>
        <source>Mark text and details with a marker stroke</source>
        <translation>Faire ressortir du texte et des détails d&apos;un trait de surligneur</translation>
    </message>
    <message>
        <source>Obfuscate</source>
        <translation>Brouiller</translation>
    </message>
    <message>
        <source>Pixelate or blur an area that must stay secret</source>
        <translation>Pixeliser ou flouter une zone qui doit rester secrète</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Place the next numbered step marker</source>
        <translation>Placer le repère d&apos;étape numéroté suivant</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
</context>
<context>
    <name>VFileNameTemplate</name>
    <message>
        <source>A name cannot have a &quot;..&quot; part: it would point to the folder above.</source>
        <translation>Un nom ne peut pas contenir de partie « .. » : elle désignerait le dossier parent.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \: it would leave the save folder.</source>
        <translation>Un nom ne peut pas contenir / ni \ : il sortirait du dossier d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>A name cannot contain control characters.</source>
        <translation>Un nom ne peut pas contenir de caractères de contrôle.</translation>
    </message>
</context>
<context>
    <name>VFullScreenSelector</name>
    <message>
        <source>Talvik is Capturing</source>
        <translation>Talvik : capture en cours</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Captures any user-defined rectangular region. This is good option
for capturing areas that are not outlined by borders or edges that
TalvikCapture can find.</source>
        <translation>Capture une zone rectangulaire quelconque que vous définissez. Option utile
pour capturer des zones qui ne sont pas délimitées par des bordures ou des
contours que TalvikCapture sait détecter.</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;Captures any user-defined polygon region. This is good option&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;for capturing areas that are not outlined by borders or edges that&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;TalvikCapture can find.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;Capture une zone polygonale quelconque que vous définissez. Option utile&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;pour capturer des zones qui ne sont pas délimitées par des bordures ou des&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;contours que TalvikCapture sait détecter.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Captures all or part of any window you specify. </source>
        <translation>Capture tout ou partie de la fenêtre de votre choix. </translation>
    </message>
    <message>
        <source>Add more captured areas</source>
        <translation>Ajouter d&apos;autres zones capturées</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Draw annotations</source>
        <translation>Dessiner des annotations</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Supprimer les éléments sélectionnés</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Print preview and print</source>
        <translation>Aperçu avant impression et impression</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Save to clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Discard and exit</source>
        <translation>Abandonner et quitter</translation>
    </message>
    <message>
        <source>Your Capture Is Ready</source>
        <translation>Votre capture est prête</translation>
    </message>
    <message>
        <source>Draw on it with the tools below, then&lt;br&gt;Ctrl+S saves, Ctrl+C copies, Ctrl+P prints.</source>
        <translation>Annotez-la avec les outils ci-dessous, puis&lt;br&gt;Ctrl+S pour enregistrer, Ctrl+C pour copier, Ctrl+P pour imprimer.</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>The frozen screen: drag to pick an area, then draw on it with the tools.</source>
        <translation>L&apos;écran figé : faites glisser pour choisir une zone, puis dessinez dessus avec les outils.</translation>
    </message>
</context>
<context>
    <name>VHelpBalloon</name>
    <message>
        <source>&lt;a href=&quot;0&quot;&gt;Don&apos;t Show me this Again.&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;0&quot;&gt;Ne plus afficher ce message.&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>VHotkeyEdit</name>
    <message>
        <source>Setting Hotkey</source>
        <translation>Définition du raccourci clavier</translation>
    </message>
</context>
<context>
    <name>VHotkeys</name>
    <message>
        <source>Hotkey setting is empty.</source>
        <translation>Aucun raccourci clavier n&apos;est défini.</translation>
    </message>
    <message>
        <source>%1 is not a valid hotkey</source>
        <translation>%1 n&apos;est pas un raccourci clavier valide</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Win: %1 alone would block other programs</source>
        <translation>Ajoutez Ctrl, Alt ou Win : %1 seul bloquerait les autres programmes</translation>
    </message>
    <message>
        <source>Failed to set hotkey: %1 is already the %2 hotkey</source>
        <translation>Impossible de définir le raccourci : %1 est déjà le raccourci du mode %2</translation>
    </message>
    <message>
        <source>Failed to set hotkey: %1</source>
        <translation>Impossible de définir le raccourci : %1</translation>
    </message>
</context>
<context>
    <name>VJpegWriter</name>
    <message>
        <source>a JPEG picture can be at most %1 pixels high and wide</source>
        <translation>une image JPEG ne peut pas dépasser %1 pixels de haut ou de large</translation>
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
        <translation>&amp;Région</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenêtre</translation>
    </message>
    <message>
        <source>&amp;Scrolling</source>
        <translation>&amp;Défilement</translation>
    </message>
    <message>
        <source>F&amp;ullScreen</source>
        <translation>Plein é&amp;cran</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Advanced &amp;Options</source>
        <translation>&amp;Options avancées</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>&amp;Include cursor</source>
        <translation>&amp;Inclure le curseur</translation>
    </message>
    <message>
        <source>Time interval for scrolling pages:</source>
        <translation>Intervalle de défilement des pages :</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>miliseconds (0~5000)</source>
        <translation>millisecondes (0~5000)</translation>
    </message>
    <message>
        <source>Use instant system tray popup button panel.</source>
        <translation>Afficher un panneau de boutons au survol de l&apos;icône de notification.</translation>
    </message>
    <message>
        <source>Automatically run TalvikCapture when I &amp;log on to Windows.</source>
        <translation>Lancer TalvikCapture automatiquement à l&apos;ouverture de session &amp;Windows.</translation>
    </message>
    <message>
        <source>Close to system tra&amp;y icon.</source>
        <translation>Réduire dans la zone de &amp;notification à la fermeture.</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Fichier de sortie</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Ask for a &amp;name</source>
        <translation>De&amp;mander un nom</translation>
    </message>
    <message>
        <source>Au&amp;tomatic save to folder: </source>
        <translation>Enregistrer au&amp;tomatiquement dans le dossier : </translation>
    </message>
    <message>
        <source>&amp;...</source>
        <translation>&amp;...</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>JPEG Image</source>
        <translation>Image JPEG</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>PNG (Protable Network Graphics)</source>
        <translation>PNG (Portable Network Graphics)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Full Screen:</source>
        <translation>Plein écran :</translation>
    </message>
    <message>
        <source>Set to default hotkey.</source>
        <translation>Rétablir le raccourci par défaut.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Région :</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Fenêtre :</translation>
    </message>
    <message>
        <source>Scrolling:</source>
        <translation>Défilement :</translation>
    </message>
    <message>
        <source>Automatically &amp;check for updates and notify me.</source>
        <translation>Rechercher automatiquement les mises à &amp;jour et me prévenir.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;share&quot; style=&quot;color:#8fc3ff&quot;&gt;Tell a Friend&lt;/a&gt; and help keep this tool Free!</source>
        <translation>&lt;a href=&quot;share&quot; style=&quot;color:#8fc3ff&quot;&gt;Parlez-en à un ami&lt;/a&gt; et aidez cet outil à rester gratuit !</translation>
    </message>
    <message>
        <source>Hide this AD and you can open it again from help menu.</source>
        <translation>Masquer cette annonce ; vous pourrez la rouvrir depuis le menu Aide.</translation>
    </message>
    <message>
        <source>hide</source>
        <translation>masquer</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Polyggon</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>How long a scrolling capture waits after each scroll before it takes the next part, in milliseconds.</source>
        <translation>Durée d&apos;attente d&apos;une capture avec défilement après chaque défilement, avant de prendre la partie suivante, en millisecondes.</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>Qualité JPEG</translation>
    </message>
    <message>
        <source>Lower quality makes smaller files; higher quality keeps more detail.</source>
        <translation>Une qualité plus basse donne des fichiers plus petits ; une qualité plus haute garde plus de détails.</translation>
    </message>
</context>
<context>
    <name>VMainHelp</name>
    <message>
        <source>Email Support</source>
        <translation>Assistance par e-mail</translation>
    </message>
    <message>
        <source>Submit Issue Online</source>
        <translation>Signaler un problème en ligne</translation>
    </message>
    <message>
        <source>Product Homepage</source>
        <translation>Site web du produit</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Parlez-en à un ami</translation>
    </message>
    <message>
        <source>About Morvane Screen Capture</source>
        <translation>À propos de Morvane Screen Capture</translation>
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
        <translation>Le service de capture d&apos;écran du bureau décide si le pointeur figure sur l&apos;image.</translation>
    </message>
    <message>
        <source>This desktop does not let a program see keys pressed for other programs, so these hotkeys cannot work. Bind &quot;TalvikCapture --capture region&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>Ce bureau ne permet pas à un programme de voir les touches pressées dans d&apos;autres programmes : ces raccourcis clavier ne peuvent donc pas fonctionner. Associez plutôt « TalvikCapture --capture region » à une touche dans les paramètres clavier du bureau.</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons: closing the main window ends the program.</source>
        <translation>Ce bureau n&apos;affiche pas d&apos;icônes dans la zone de notification : fermer la fenêtre principale quitte le programme.</translation>
    </message>
    <message>
        <source>Use the %1 hotkey</source>
        <translation>Utiliser le raccourci %1</translation>
    </message>
    <message>
        <source>Press the key combination to use.</source>
        <translation>Appuyez sur la combinaison de touches à utiliser.</translation>
    </message>
    <message>
        <source>Default %1 hotkey</source>
        <translation>Raccourci %1 par défaut</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>VOneShotCapture</name>
    <message>
        <source>there is no window at %1,%2</source>
        <translation>aucune fenêtre en %1,%2</translation>
    </message>
    <message>
        <source>the screen could not be grabbed</source>
        <translation>impossible de capturer l&apos;écran</translation>
    </message>
    <message>
        <source>no window has the keyboard focus, or the desktop does not tell which</source>
        <translation>aucune fenêtre n&apos;a le focus clavier, ou le bureau n&apos;indique pas laquelle</translation>
    </message>
    <message>
        <source>there is no monitor &quot;%1&quot; (--list-monitors shows them)</source>
        <translation>il n&apos;y a pas d&apos;écran « %1 » (--list-monitors les affiche)</translation>
    </message>
    <message>
        <source>the region %1 is not within the desktop, %2</source>
        <translation>la région %1 n&apos;est pas comprise dans le bureau, %2</translation>
    </message>
    <message>
        <source>unknown file suffix &quot;%1&quot; (expected png, jpg, jpeg or bmp)</source>
        <translation>suffixe de fichier inconnu « %1 » (attendu : png, jpg, jpeg ou bmp)</translation>
    </message>
    <message>
        <source>the setting TargetFormat=%1 names no file format (0 PNG, 1 JPEG, 2 BMP)</source>
        <translation>le paramètre TargetFormat=%1 ne désigne aucun format de fichier (0 PNG, 1 JPEG, 2 BMP)</translation>
    </message>
    <message>
        <source>on Wayland the clipboard keeps a picture only while its program runs: use --output - | wl-copy</source>
        <translation>sous Wayland, le presse-papiers ne conserve une image que tant que son programme s&apos;exécute : utilisez --output - | wl-copy</translation>
    </message>
    <message>
        <source>the picture could not be put on the clipboard</source>
        <translation>impossible de placer l&apos;image dans le presse-papiers</translation>
    </message>
</context>
<context>
    <name>VOutput</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>unknown file format %1</source>
        <translation>format de fichier inconnu %1</translation>
    </message>
    <message>
        <source>the image is empty</source>
        <translation>l&apos;image est vide</translation>
    </message>
    <message>
        <source>a JPEG picture can be at most %1 pixels high and wide, this one is %2 x %3; save it as PNG</source>
        <translation>une image JPEG ne peut pas dépasser %1 pixels de haut ou de large, celle-ci mesure %2 x %3 ; enregistrez-la en PNG</translation>
    </message>
    <message>
        <source>the picture is too large for BMP</source>
        <translation>l&apos;image est trop grande pour le format BMP</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>no free file name in %1</source>
        <translation>aucun nom de fichier libre dans %1</translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation>Images (*.%1)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>a new copy could not keep its owner and group (%1)</source>
        <translation>la nouvelle copie n&apos;a pas pu conserver son propriétaire et son groupe (%1)</translation>
    </message>
</context>
<context>
    <name>VOverlayOutput</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Failed to save the file: %1</source>
        <translation>Impossible d&apos;enregistrer le fichier : %1</translation>
    </message>
    <message>
        <source>Failed to Copy to Clipboard, please save to file!</source>
        <translation>Impossible de copier dans le presse-papiers, veuillez enregistrer dans un fichier !</translation>
    </message>
</context>
<context>
    <name>VOverlayProperties</name>
    <message>
        <source>Show or hide the properties of the selected items (F4)</source>
        <translation>Afficher ou masquer les propriétés des éléments sélectionnés (F4)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
</context>
<context>
    <name>VPngWriter</name>
    <message>
        <source>the image is empty</source>
        <translation>l&apos;image est vide</translation>
    </message>
    <message>
        <source>unsupported image format</source>
        <translation>format d&apos;image non pris en charge</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>impossible d&apos;écrire : %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>VPropertyManagerVector3D</name>
    <message>
        <source>undefined</source>
        <translation>indéfini</translation>
    </message>
</context>
<context>
    <name>VPropertyVariousChecker</name>
    <message>
        <source>*VARIOUS*</source>
        <translation>*DIVERS*</translation>
    </message>
</context>
<context>
    <name>VScreenGrabLater</name>
    <message>
        <source>The desktop&apos;s screenshot service cannot be reached (%1).</source>
        <translation>Le service de capture d&apos;écran du bureau est injoignable (%1).</translation>
    </message>
    <message>
        <source>The desktop refused to take a screenshot.</source>
        <translation>Le bureau a refusé de prendre une capture d&apos;écran.</translation>
    </message>
    <message>
        <source>The screenshot was cancelled.</source>
        <translation>La capture d&apos;écran a été annulée.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer in time.</source>
        <translation>Le service de capture d&apos;écran du bureau n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot could not be read (%1).</source>
        <translation>La capture d&apos;écran du bureau n&apos;a pas pu être lue (%1).</translation>
    </message>
    <message>
        <source>The screen could not be grabbed.</source>
        <translation>Impossible de capturer l&apos;écran.</translation>
    </message>
</context>
<context>
    <name>VScrollProgress</name>
    <message>
        <source>%1 rows · Esc stops</source>
        <translation>%1 lignes · Esc pour arrêter</translation>
    </message>
</context>
<context>
    <name>VScrollingCapture</name>
    <message>
        <source>The content changed during scrolling and no certain match was found; the part captured before is kept.</source>
        <translation>Le contenu a changé pendant le défilement et aucune correspondance certaine n&apos;a été trouvée ; la partie capturée auparavant est conservée.</translation>
    </message>
    <message>
        <source>The content changed during scrolling; nothing was kept.</source>
        <translation>Le contenu a changé pendant le défilement ; rien n&apos;a été conservé.</translation>
    </message>
    <message>
        <source>The page is longer than one picture may be (%1 rows or %2 million pixels); the capture stopped there and keeps what it has.</source>
        <translation>La page est plus longue que ce qu&apos;une image peut contenir (%1 lignes ou %2 millions de pixels) ; la capture s&apos;est arrêtée là et conserve ce qu&apos;elle a obtenu.</translation>
    </message>
    <message>
        <source>Stopped with Escape; the part captured so far is kept.</source>
        <translation>Arrêté avec Échap ; la partie capturée jusqu&apos;ici est conservée.</translation>
    </message>
    <message>
        <source>This desktop does not let a program scroll another program&apos;s window.</source>
        <translation>Ce bureau ne permet pas à un programme de faire défiler la fenêtre d&apos;un autre programme.</translation>
    </message>
</context>
<context>
    <name>VScrollingWindow</name>
    <message>
        <source>TalvikCapture - Scrolling Window</source>
        <translation>TalvikCapture - Capture avec défilement</translation>
    </message>
    <message>
        <source>The content changed during scrolling!

 Still save the captured part?</source>
        <translation>Le contenu a changé pendant le défilement !

 Enregistrer quand même la partie capturée ?</translation>
    </message>
    <message>
        <source>Scrolling Window</source>
        <translation>Capture avec défilement</translation>
    </message>
</context>
<context>
    <name>VSystemTrayIcon</name>
    <message>
        <source>&amp;Show Main Window</source>
        <translation>&amp;Afficher la fenêtre principale</translation>
    </message>
    <message>
        <source>&amp;Hide Main Window</source>
        <translation>&amp;Masquer la fenêtre principale</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>VUndoButtons</name>
    <message>
        <source>Undo (%1)</source>
        <translation>Annuler (%1)</translation>
    </message>
    <message>
        <source>Redo (%1)</source>
        <translation>Rétablir (%1)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>VWidgetQuickEditor</name>
    <message>
        <source>Border Width</source>
        <translation>Épaisseur de bordure</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Couleur de bordure</translation>
    </message>
</context>
<context>
    <name>VWindowNode</name>
    <message>
        <source>This desktop does not let a program see other programs&apos; windows: capture a region instead.</source>
        <translation>Ce bureau ne permet pas à un programme de voir les fenêtres des autres programmes : capturez plutôt une région.</translation>
    </message>
</context>
</TS>
