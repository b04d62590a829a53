<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>QtTreePropertyBrowser</name>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
</context>
<context>
    <name>QtVariantEditorFactory</name>
    <message>
        <source>Choose a colour</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>选择字体</translation>
    </message>
</context>
<context>
    <name>QtVariantPropertyManager</name>
    <message>
        <source>True</source>
        <translation>是</translation>
    </message>
    <message>
        <source>False</source>
        <translation>否</translation>
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
        <translation>在系统托盘中启动 Talvik Capture，随时响应快捷键</translation>
    </message>
</context>
<context>
    <name>VCaptureMain</name>
    <message>
        <source>Try --help.</source>
        <translation>请尝试 --help。</translation>
    </message>
    <message>
        <source>the running instance did not answer</source>
        <translation>正在运行的实例没有响应</translation>
    </message>
</context>
<context>
    <name>VCaptureModes</name>
    <message>
        <source>Region</source>
        <translation>区域</translation>
    </message>
    <message>
        <source>Capture Region</source>
        <translation>区域截图</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Capture Window</source>
        <translation>窗口截图</translation>
    </message>
    <message>
        <source>Scrolling</source>
        <translation>滚动窗口</translation>
    </message>
    <message>
        <source>Scrolling Window</source>
        <translation>滚动窗口截图</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Capture Full Screen</source>
        <translation>全屏截图</translation>
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
        <translation>截取屏幕，可在图片上添加标注并保存。

示例：
  TalvikCapture --capture fullscreen --clipboard
  TalvikCapture --capture fullscreen --output - | wl-copy
  TalvikCapture --region 640x480+100+50 --output part.png
  TalvikCapture --capture fullscreen --monitor all --auto-name
  TalvikCapture --capture window --active --output window.png
  TalvikCapture --capture scrolling --at 400,300 --output page.png

--capture region，或不带 --at 或 --active 的 --capture window，与 --output、--auto-name 或 --clipboard 一起使用时会打开截图界面：选取区域（并添加标注），然后按 Ctrl+S 写入目标，或按 Escape 取消。

退出码：0 完成，1 截图或文件写入失败，2 用法错误，3 部分完成：滚动截图被提前中断（没有可靠的匹配、按下了 Escape 或达到尺寸上限），已写入截取到的部分，4 在截图界面中取消。
消息输出到标准错误，每条均以 &quot;%1: &quot; 开头；设置 QT_LOGGING_RULES=&quot;talvik.*.info=true&quot; 可输出诊断信息。</translation>
    </message>
    <message>
        <source>Start a capture (%1) in the running instance, starting one when none runs.</source>
        <translation>在正在运行的实例中开始截图（%1），如果没有实例在运行，则启动一个。</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>With --capture: write the capture to &lt;file&gt; and exit; &quot;-&quot; writes it to standard output. The suffix picks the format (png, jpg, jpeg, bmp) unless --format does.</source>
        <translation>与 --capture 一起使用：将截图写入 &lt;file&gt; 后退出；&quot;-&quot; 表示写入标准输出。格式由文件后缀决定（png、jpg、jpeg、bmp），除非用 --format 指定。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>With --capture: write the capture under the automatic file name of the settings and exit.</source>
        <translation>与 --capture 一起使用：按设置中的自动文件名保存截图后退出。</translation>
    </message>
    <message>
        <source>With --capture: put the capture on the clipboard and exit, besides any file of --output or --auto-name. The running instance keeps it there, or else a process in the background until another program takes the clipboard over. On Wayland use --output - | wl-copy.</source>
        <translation>与 --capture 一起使用：将截图放到剪贴板后退出，同时照常写入 --output 或 --auto-name 指定的文件。剪贴板内容由正在运行的实例保留，否则由一个后台进程保留，直到其他程序接管剪贴板。在 Wayland 上请使用 --output - | wl-copy。</translation>
    </message>
    <message>
        <source>With --capture region: print the area picked in the overlay as WxH+X+Y instead of writing a picture.</source>
        <translation>与 --capture region 一起使用：以 WxH+X+Y 格式输出在截图界面中选取的区域，而不写入图片。</translation>
    </message>
    <message>
        <source>With --output or --auto-name: write &lt;format&gt; (png, jpg or bmp) whatever the suffix or the settings say; standard output gets PNG without it.</source>
        <translation>与 --output 或 --auto-name 一起使用：无论文件后缀或设置如何，均以 &lt;format&gt;（png、jpg 或 bmp）写入；未指定时，写入标准输出的为 PNG。</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>With --capture window or scrolling and --output or --auto-name: the window under the global point &lt;x,y&gt;, cut to its shape, or the whole page it scrolls through.</source>
        <translation>与 --capture window 或 scrolling 以及 --output 或 --auto-name 一起使用：全局坐标 &lt;x,y&gt; 处的窗口（按窗口形状裁剪），或该窗口中可滚动浏览的整个页面。</translation>
    </message>
    <message>
        <source>x,y</source>
        <translation>x,y</translation>
    </message>
    <message>
        <source>With --capture window and --output or --auto-name: the window that has the keyboard focus, cut to its shape.</source>
        <translation>与 --capture window 以及 --output 或 --auto-name 一起使用：拥有键盘焦点的窗口，按窗口形状裁剪。</translation>
    </message>
    <message>
        <source>With --output or --auto-name: exactly the area &lt;WxH+X+Y&gt; of the desktop, in its pixels across all monitors (implies --capture fullscreen).</source>
        <translation>与 --output 或 --auto-name 一起使用：精确截取桌面上的 &lt;WxH+X+Y&gt; 区域，以跨所有显示器的桌面像素为单位（隐含 --capture fullscreen）。</translation>
    </message>
    <message>
        <source>geometry</source>
        <translation>geometry</translation>
    </message>
    <message>
        <source>With --capture fullscreen and --output or --auto-name: the monitor &lt;n&gt; (an index or a name of --list-monitors) instead of the one under the pointer; &quot;all&quot; takes the whole desktop, black where no monitor shows.</source>
        <translation>与 --capture fullscreen 以及 --output 或 --auto-name 一起使用：截取显示器 &lt;n&gt;（--list-monitors 列出的序号或名称），而不是指针所在的显示器；&quot;all&quot; 表示整个桌面，没有显示器覆盖的部分为黑色。</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Print the monitors: index, name, geometry (WxH+X+Y) and which one is primary.</source>
        <translation>列出显示器：序号、名称、几何参数（WxH+X+Y）以及哪一个是主显示器。</translation>
    </message>
    <message>
        <source>With --output or --auto-name: wait &lt;ms&gt; milliseconds before capturing.</source>
        <translation>与 --output 或 --auto-name 一起使用：截图前等待 &lt;ms&gt; 毫秒。</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start hidden in the notification area.</source>
        <translation>启动时隐藏到通知区域。</translation>
    </message>
    <message>
        <source>--output, --auto-name and --delay need --capture</source>
        <translation>--output、--auto-name 和 --delay 需要与 --capture 一起使用</translation>
    </message>
    <message>
        <source>unknown capture mode &quot;%1&quot; (expected %2)</source>
        <translation>未知的截图模式 &quot;%1&quot;（应为 %2）</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output 需要一个文件名</translation>
    </message>
    <message>
        <source>--output and --auto-name exclude each other</source>
        <translation>--output 和 --auto-name 不能同时使用</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>未知参数 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 goes with %2</source>
        <translation>--%1 只能与 %2 一起使用</translation>
    </message>
    <message>
        <source>--capture window and --output or --auto-name</source>
        <translation>--capture window 以及 --output 或 --auto-name</translation>
    </message>
    <message>
        <source>--capture fullscreen and --output or --auto-name</source>
        <translation>--capture fullscreen 以及 --output 或 --auto-name</translation>
    </message>
    <message>
        <source>--capture fullscreen and --output or --auto-name, without --region</source>
        <translation>--capture fullscreen 以及 --output 或 --auto-name（不带 --region）</translation>
    </message>
    <message>
        <source>--output or --auto-name</source>
        <translation>--output 或 --auto-name</translation>
    </message>
    <message>
        <source>--capture region, without a picture to write</source>
        <translation>--capture region（且不写入图片）</translation>
    </message>
    <message>
        <source>--at goes with --capture window or scrolling and --output, --auto-name or --clipboard, and --capture scrolling needs it</source>
        <translation>--at 只能与 --capture window 或 scrolling 以及 --output、--auto-name 或 --clipboard 一起使用，且 --capture scrolling 必须指定它</translation>
    </message>
    <message>
        <source>--at needs a point as x,y, not &quot;%1&quot;</source>
        <translation>--at 需要 x,y 形式的坐标，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--region needs a geometry WxH+X+Y with a width and a height of at least 1, not &quot;%1&quot;</source>
        <translation>--region 需要 WxH+X+Y 形式的几何参数，且宽度和高度至少为 1，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--monitor needs an index, a name or &quot;all&quot;</source>
        <translation>--monitor 需要序号、名称或 &quot;all&quot;</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (expected png, jpg or bmp)</source>
        <translation>未知格式 &quot;%1&quot;（应为 png、jpg 或 bmp）</translation>
    </message>
    <message>
        <source>--delay needs a number of milliseconds, not &quot;%1&quot;</source>
        <translation>--delay 需要一个毫秒数，而不是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Options of the toolkit:</source>
        <translation>工具包选项：</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot; ignored</source>
        <translation>已忽略未知参数 &quot;%1&quot;</translation>
    </message>
    <message>
        <source> (to start hidden in the notification area, give &quot;%1&quot;)</source>
        <translation>（如需启动时隐藏到通知区域，请使用 &quot;%1&quot;）</translation>
    </message>
</context>
<context>
    <name>VConfigCapture</name>
    <message>
        <source>A relative folder may not leave the home folder.</source>
        <translation>相对路径的文件夹不能位于主文件夹之外。</translation>
    </message>
</context>
<context>
    <name>VCreatePromptEllipse</name>
    <message>
        <source>How To Draw Ellipse</source>
        <translation>如何绘制椭圆</translation>
    </message>
    <message>
        <source> - Left Click and drag the box the ellipse fits in.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - 按住左键拖出椭圆所在的方框。&lt;br&gt; - 单击右键或按 ESC 键取消。</translation>
    </message>
</context>
<context>
    <name>VCreatePromptHighlighter</name>
    <message>
        <source>How To Highlight</source>
        <translation>如何高亮标记</translation>
    </message>
    <message>
        <source> - Left Click and drag over what should stand out.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - 按住左键在需要突出显示的内容上拖动。&lt;br&gt; - 单击右键或按 ESC 键取消。</translation>
    </message>
</context>
<context>
    <name>VCreatePromptLine</name>
    <message>
        <source>Length: %1</source>
        <translation>长度：%1</translation>
    </message>
</context>
<context>
    <name>VCreatePromptObfuscate</name>
    <message>
        <source>How To Hide a Secret</source>
        <translation>如何遮挡敏感信息</translation>
    </message>
    <message>
        <source> - Left Click and drag over the area to pixelate.&lt;br&gt; - Choose blur in its properties.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - 按住左键在要打马赛克的区域上拖动。&lt;br&gt; - 可在其属性中改为模糊。&lt;br&gt; - 单击右键或按 ESC 键取消。</translation>
    </message>
</context>
<context>
    <name>VCreatePromptPen</name>
    <message>
        <source>How To Draw Freehand</source>
        <translation>如何自由绘制</translation>
    </message>
    <message>
        <source> - Left Click and drag to draw.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - 按住左键拖动进行绘制。&lt;br&gt; - 单击右键或按 ESC 键取消。</translation>
    </message>
</context>
<context>
    <name>VCreatePromptPolyline</name>
    <message>
        <source>How To Draw Polyline/Polygon</source>
        <translation>如何绘制折线/多边形</translation>
    </message>
    <message>
        <source> - Single Click to add a point.&lt;br&gt; - Right Click or Double Click to finish.&lt;br&gt; - Press ESC key to cancel.</source>
        <translation> - 单击添加一个点。&lt;br&gt; - 单击右键或双击完成。&lt;br&gt; - 按 ESC 键取消。</translation>
    </message>
</context>
<context>
    <name>VCreatePromptRectangle</name>
    <message>
        <source>How To Draw Rectangle</source>
        <translation>如何绘制矩形</translation>
    </message>
    <message>
        <source> - Left Click and drag to select a region.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - 按住左键拖动以选择区域。&lt;br&gt; - 单击右键或按 ESC 键取消。</translation>
    </message>
    <message>
        <source>Width: %1
Height: %2</source>
        <translation>宽度：%1
高度：%2</translation>
    </message>
</context>
<context>
    <name>VCreatePromptStepMarker</name>
    <message>
        <source>How To Number Steps</source>
        <translation>如何添加步骤编号</translation>
    </message>
    <message>
        <source> - Left Click where the next step marker goes.&lt;br&gt; - Right Click or press ESC key to cancel.</source>
        <translation> - 在要放置下一个步骤标记的位置单击左键。&lt;br&gt; - 单击右键或按 ESC 键取消。</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>步骤 %1</translation>
    </message>
</context>
<context>
    <name>VCreatePromptWindow</name>
    <message>
        <source>How To Select Window</source>
        <translation>如何选择窗口</translation>
    </message>
    <message>
        <source>Move the mouse pointer over a window,&lt;br&gt;and Left Click to select the region.&lt;br&gt;Right Click or press ESC to cancel.</source>
        <translation>将鼠标指针移到窗口上，&lt;br&gt;然后单击左键选择该区域。&lt;br&gt;单击右键或按 ESC 键取消。</translation>
    </message>
    <message>
        <source>Title: %1
Class Name: %2
Size: %3 x %4</source>
        <translation>标题：%1
类名：%2
大小：%3 x %4</translation>
    </message>
</context>
<context>
    <name>VDeliveryNotice</name>
    <message>
        <source>Saved to %1
Click to open its folder.</source>
        <translation>已保存到 %1
单击可打开所在文件夹。</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>已复制到剪贴板。</translation>
    </message>
</context>
<context>
    <name>VDialogFileOptions</name>
    <message>
        <source>Options: Automatic File Name</source>
        <translation>选项：自动文件名</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>The Format field displays the file name components as they are 
inserted into the file name. 

You are also able to type text into this field. Free text can be 
added before, after, or in-between the file name components. 

Dashes (-) and spaces can also be used to separate the different 
components if you would like. 
</source>
        <translation>“格式”字段按插入顺序显示文件名中
的各个组成部分。

您也可以在此字段中输入文本。自由文本可以添加在
文件名组成部分之前、之后或之间。

如果需要，也可以使用短横线 (-) 和空格来分隔
不同的组成部分。
</translation>
    </message>
    <message>
        <source>Capture-D-h-m-s</source>
        <translation>Capture-D-h-m-s</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>预览：</translation>
    </message>
    <message>
        <source>Read-only field that shows you how your file name will look using 
the different components that you have selected. Any free text 
that you add will also be reflected in this field. 

As you add components or text to the file name, this field will 
automatically update for you. </source>
        <translation>只读字段，显示使用所选的各个组成部分后
文件名的实际效果。您添加的任何自由文本
也会反映在此字段中。

当您向文件名添加组成部分或文本时，
此字段会自动更新。</translation>
    </message>
    <message>
        <source>Create Subfolders</source>
        <translation>创建子文件夹</translation>
    </message>
    <message>
        <source>YM</source>
        <translation>YM</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
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
        <translation>1. 文件名不能包含以下任何
     非法字符：* ? : &lt;&gt; / |  &quot;
2. 使用文件名组成部分（时间变量）
     避免文件重名：
     （注意：时间变量区分大小写）
     Y - 四位数年份（十进制数）
     M - 月份（01 - 12）
     D - 日（01 - 31）
     h - 小时，24 小时制（00 - 23）
     m - 分钟（00 - 59）
     s - 秒（00 - 59）</translation>
    </message>
</context>
<context>
    <name>VDialogPromptTarget</name>
    <message>
        <source>Select Output Target</source>
        <translation>选择输出目标</translation>
    </message>
    <message>
        <source>Save to clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Copy the selected image to clipboard. You can paste to your favorite editor later.</source>
        <translation>将所选图像复制到剪贴板，之后可以粘贴到您常用的编辑器中。</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>保存到文件</translation>
    </message>
    <message>
        <source>Save the selected image to a folder on your hard disk drive, or another storage location. You&apos;ll be prompted to choose a folder and input a file name.</source>
        <translation>将所选图像保存到硬盘上的文件夹或其他存储位置。系统会提示您选择文件夹并输入文件名。</translation>
    </message>
    <message>
        <source>Closes this window and throws the capture away. The program keeps running.</source>
        <translation>关闭此窗口并丢弃截图。程序会继续运行。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Don&apos;t save to clipboard or file and exit.</source>
        <translation>不保存到剪贴板或文件，直接关闭。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Failed to save the file: %1</source>
        <translation>保存文件失败：%1</translation>
    </message>
</context>
<context>
    <name>VDrawingTool</name>
    <message>
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Polyline</source>
        <translation>折线</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>多边形</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>椭圆</translation>
    </message>
    <message>
        <source>Draw an ellipse in the dragged box</source>
        <translation>在拖出的方框内绘制椭圆</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Draw freehand</source>
        <translation>自由绘制</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>荧光笔</translation>
    </message>
    <message>
        <source>Mark text and details with a marker stroke</source>
        <translation>用荧光笔标记文字和细节</translation>
    </message>
    <message>
        <source>Obfuscate</source>
        <translation>马赛克</translation>
    </message>
    <message>
        <source>Pixelate or blur an area that must stay secret</source>
        <translation>对必须保密的区域打马赛克或进行模糊处理</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>Place the next numbered step marker</source>
        <translation>放置下一个步骤编号标记</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>箭头</translation>
    </message>
</context>
<context>
    <name>VFileNameTemplate</name>
    <message>
        <source>A name cannot have a &quot;..&quot; part: it would point to the folder above.</source>
        <translation>名称中不能含有 &quot;..&quot; 部分：它会指向上一级文件夹。</translation>
    </message>
    <message>
        <source>A name cannot contain / or \: it would leave the save folder.</source>
        <translation>名称中不能包含 / 或 \：否则会超出保存文件夹。</translation>
    </message>
    <message>
        <source>A name cannot contain control characters.</source>
        <translation>名称中不能包含控制字符。</translation>
    </message>
</context>
<context>
    <name>VFullScreenSelector</name>
    <message>
        <source>Talvik is Capturing</source>
        <translation>Talvik 正在截图</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Captures any user-defined rectangular region. This is good option
for capturing areas that are not outlined by borders or edges that
TalvikCapture can find.</source>
        <translation>截取任意自定义的矩形区域。适用于截取那些
没有可被 TalvikCapture 识别的边框或边缘
的区域。</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>多边形</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;Captures any user-defined polygon region. This is good option&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;for capturing areas that are not outlined by borders or edges that&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;TalvikCapture can find.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;截取任意自定义的多边形区域。适用于截取那些&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;没有可被 TalvikCapture 识别的边框或边缘&lt;/p&gt;&lt;p style=&quot;font-size:8pt&quot;&gt;的区域。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Captures all or part of any window you specify. </source>
        <translation>截取您指定的任意窗口的全部或部分内容。</translation>
    </message>
    <message>
        <source>Add more captured areas</source>
        <translation>添加更多截图区域</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Draw annotations</source>
        <translation>绘制标注</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>删除所选对象</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Print preview and print</source>
        <translation>打印预览并打印</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>保存到文件</translation>
    </message>
    <message>
        <source>Save to clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Discard and exit</source>
        <translation>放弃并退出截图</translation>
    </message>
    <message>
        <source>Your Capture Is Ready</source>
        <translation>截图已就绪</translation>
    </message>
    <message>
        <source>Draw on it with the tools below, then&lt;br&gt;Ctrl+S saves, Ctrl+C copies, Ctrl+P prints.</source>
        <translation>可用下方工具在截图上绘制，然后&lt;br&gt;按 Ctrl+S 保存，Ctrl+C 复制，Ctrl+P 打印。</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>屏幕</translation>
    </message>
    <message>
        <source>The frozen screen: drag to pick an area, then draw on it with the tools.</source>
        <translation>已冻结的屏幕：拖动以选择区域，然后用工具在上面绘制。</translation>
    </message>
</context>
<context>
    <name>VHelpBalloon</name>
    <message>
        <source>&lt;a href=&quot;0&quot;&gt;Don&apos;t Show me this Again.&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;0&quot;&gt;不再显示此提示。&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>VHotkeyEdit</name>
    <message>
        <source>Setting Hotkey</source>
        <translation>设置快捷键</translation>
    </message>
</context>
<context>
    <name>VHotkeys</name>
    <message>
        <source>Hotkey setting is empty.</source>
        <translation>未设置快捷键。</translation>
    </message>
    <message>
        <source>%1 is not a valid hotkey</source>
        <translation>%1 不是有效的快捷键</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Win: %1 alone would block other programs</source>
        <translation>请加上 Ctrl、Alt 或 Win：单独使用 %1 会妨碍其他程序</translation>
    </message>
    <message>
        <source>Failed to set hotkey: %1 is already the %2 hotkey</source>
        <translation>设置快捷键失败：%1 已被用作“%2”截图的快捷键</translation>
    </message>
    <message>
        <source>Failed to set hotkey: %1</source>
        <translation>设置快捷键失败：%1</translation>
    </message>
</context>
<context>
    <name>VJpegWriter</name>
    <message>
        <source>a JPEG picture can be at most %1 pixels high and wide</source>
        <translation>JPEG 图片的宽度和高度最多为 %1 像素</translation>
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
        <translation>区域(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Scrolling</source>
        <translation>滚动窗口(&amp;S)</translation>
    </message>
    <message>
        <source>F&amp;ullScreen</source>
        <translation>全屏(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Advanced &amp;Options</source>
        <translation>高级选项(&amp;O)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>&amp;Include cursor</source>
        <translation>包含鼠标指针(&amp;I)</translation>
    </message>
    <message>
        <source>Time interval for scrolling pages:</source>
        <translation>页面滚动间隔：</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>miliseconds (0~5000)</source>
        <translation>毫秒（0~5000）</translation>
    </message>
    <message>
        <source>Use instant system tray popup button panel.</source>
        <translation>使用系统托盘即时弹出按钮面板</translation>
    </message>
    <message>
        <source>Automatically run TalvikCapture when I &amp;log on to Windows.</source>
        <translation>登录 Windows 时自动运行 TalvikCapture(&amp;L)</translation>
    </message>
    <message>
        <source>Close to system tra&amp;y icon.</source>
        <translation>关闭时最小化到系统托盘图标(&amp;Y)</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>输出文件</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Ask for a &amp;name</source>
        <translation>每次询问文件名(&amp;N)</translation>
    </message>
    <message>
        <source>Au&amp;tomatic save to folder: </source>
        <translation>自动保存到文件夹(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;...</source>
        <translation>&amp;...</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>预览：</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>选项...</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>文件类型</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>位图</translation>
    </message>
    <message>
        <source>JPEG Image</source>
        <translation>JPEG 图像</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>PNG (Protable Network Graphics)</source>
        <translation>PNG（便携式网络图形）</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Full Screen:</source>
        <translation>全屏：</translation>
    </message>
    <message>
        <source>Set to default hotkey.</source>
        <translation>恢复为默认快捷键。</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>区域：</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>窗口：</translation>
    </message>
    <message>
        <source>Scrolling:</source>
        <translation>滚动窗口：</translation>
    </message>
    <message>
        <source>Automatically &amp;check for updates and notify me.</source>
        <translation>自动检查更新并通知我(&amp;D)</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;share&quot; style=&quot;color:#8fc3ff&quot;&gt;Tell a Friend&lt;/a&gt; and help keep this tool Free!</source>
        <translation>&lt;a href=&quot;share&quot; style=&quot;color:#8fc3ff&quot;&gt;推荐给朋友&lt;/a&gt;，帮助这款工具保持免费！</translation>
    </message>
    <message>
        <source>Hide this AD and you can open it again from help menu.</source>
        <translation>隐藏此广告，之后可从“帮助”菜单中再次打开。</translation>
    </message>
    <message>
        <source>hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Polyggon</source>
        <translation>多边形</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>How long a scrolling capture waits after each scroll before it takes the next part, in milliseconds.</source>
        <translation>滚动截图在每次滚动后、截取下一部分之前等待的时间，单位为毫秒。</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>JPEG 质量</translation>
    </message>
    <message>
        <source>Lower quality makes smaller files; higher quality keeps more detail.</source>
        <translation>质量越低文件越小；质量越高保留的细节越多。</translation>
    </message>
</context>
<context>
    <name>VMainHelp</name>
    <message>
        <source>Email Support</source>
        <translation>邮件支持</translation>
    </message>
    <message>
        <source>Submit Issue Online</source>
        <translation>在线提交问题</translation>
    </message>
    <message>
        <source>Product Homepage</source>
        <translation>产品主页</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>About Morvane Screen Capture</source>
        <translation>关于 Morvane Screen Capture</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;版本 %2&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>VMainSettings</name>
    <message>
        <source>The desktop&apos;s screenshot service decides whether the pointer is in the picture.</source>
        <translation>截图中是否包含鼠标指针由桌面的截图服务决定。</translation>
    </message>
    <message>
        <source>This desktop does not let a program see keys pressed for other programs, so these hotkeys cannot work. Bind &quot;TalvikCapture --capture region&quot; to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>此桌面环境不允许程序获取发给其他程序的按键，因此这些快捷键无法使用。请改为在桌面的键盘设置中将 &quot;TalvikCapture --capture region&quot; 绑定到某个按键。</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons: closing the main window ends the program.</source>
        <translation>此桌面不显示托盘图标：关闭主窗口将退出程序。</translation>
    </message>
    <message>
        <source>Use the %1 hotkey</source>
        <translation>使用“%1”快捷键</translation>
    </message>
    <message>
        <source>Press the key combination to use.</source>
        <translation>按下要使用的组合键。</translation>
    </message>
    <message>
        <source>Default %1 hotkey</source>
        <translation>默认“%1”快捷键</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>选择文件夹</translation>
    </message>
</context>
<context>
    <name>VOneShotCapture</name>
    <message>
        <source>there is no window at %1,%2</source>
        <translation>%1,%2 处没有窗口</translation>
    </message>
    <message>
        <source>the screen could not be grabbed</source>
        <translation>无法截取屏幕</translation>
    </message>
    <message>
        <source>no window has the keyboard focus, or the desktop does not tell which</source>
        <translation>没有窗口拥有键盘焦点，或桌面环境未告知是哪个窗口</translation>
    </message>
    <message>
        <source>there is no monitor &quot;%1&quot; (--list-monitors shows them)</source>
        <translation>不存在显示器 &quot;%1&quot;（可用 --list-monitors 查看）</translation>
    </message>
    <message>
        <source>the region %1 is not within the desktop, %2</source>
        <translation>区域 %1 不在桌面 %2 的范围内</translation>
    </message>
    <message>
        <source>unknown file suffix &quot;%1&quot; (expected png, jpg, jpeg or bmp)</source>
        <translation>未知的文件后缀 &quot;%1&quot;（应为 png、jpg、jpeg 或 bmp）</translation>
    </message>
    <message>
        <source>the setting TargetFormat=%1 names no file format (0 PNG, 1 JPEG, 2 BMP)</source>
        <translation>设置项 TargetFormat=%1 不对应任何文件格式（0 PNG，1 JPEG，2 BMP）</translation>
    </message>
    <message>
        <source>on Wayland the clipboard keeps a picture only while its program runs: use --output - | wl-copy</source>
        <translation>在 Wayland 上，剪贴板只在图片所属程序运行期间保留图片：请使用 --output - | wl-copy</translation>
    </message>
    <message>
        <source>the picture could not be put on the clipboard</source>
        <translation>无法将图片放到剪贴板</translation>
    </message>
</context>
<context>
    <name>VOutput</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>unknown file format %1</source>
        <translation>未知的文件格式 %1</translation>
    </message>
    <message>
        <source>the image is empty</source>
        <translation>图像为空</translation>
    </message>
    <message>
        <source>a JPEG picture can be at most %1 pixels high and wide, this one is %2 x %3; save it as PNG</source>
        <translation>JPEG 图片的宽度和高度最多为 %1 像素，而此图片为 %2 x %3；请保存为 PNG</translation>
    </message>
    <message>
        <source>the picture is too large for BMP</source>
        <translation>图片太大，无法保存为 BMP</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>标准输出</translation>
    </message>
    <message>
        <source>no free file name in %1</source>
        <translation>%1 中没有可用的文件名</translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation>图像 (*.%1)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>a new copy could not keep its owner and group (%1)</source>
        <translation>新副本无法保留原文件的所有者和组（%1）</translation>
    </message>
</context>
<context>
    <name>VOverlayOutput</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Failed to save the file: %1</source>
        <translation>保存文件失败：%1</translation>
    </message>
    <message>
        <source>Failed to Copy to Clipboard, please save to file!</source>
        <translation>复制到剪贴板失败，请保存到文件！</translation>
    </message>
</context>
<context>
    <name>VOverlayProperties</name>
    <message>
        <source>Show or hide the properties of the selected items (F4)</source>
        <translation>显示或隐藏所选对象的属性（F4）</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
</context>
<context>
    <name>VPngWriter</name>
    <message>
        <source>the image is empty</source>
        <translation>图像为空</translation>
    </message>
    <message>
        <source>unsupported image format</source>
        <translation>不支持的图像格式</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
</context>
<context>
    <name>VPropertyManagerVector3D</name>
    <message>
        <source>undefined</source>
        <translation>未定义</translation>
    </message>
</context>
<context>
    <name>VPropertyVariousChecker</name>
    <message>
        <source>*VARIOUS*</source>
        <translation>*多个值*</translation>
    </message>
</context>
<context>
    <name>VScreenGrabLater</name>
    <message>
        <source>The desktop&apos;s screenshot service cannot be reached (%1).</source>
        <translation>无法连接到桌面的截图服务（%1）。</translation>
    </message>
    <message>
        <source>The desktop refused to take a screenshot.</source>
        <translation>桌面拒绝了截图请求。</translation>
    </message>
    <message>
        <source>The screenshot was cancelled.</source>
        <translation>截图已取消。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer in time.</source>
        <translation>桌面的截图服务未及时响应。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot could not be read (%1).</source>
        <translation>无法读取桌面截图（%1）。</translation>
    </message>
    <message>
        <source>The screen could not be grabbed.</source>
        <translation>无法截取屏幕。</translation>
    </message>
</context>
<context>
    <name>VScrollProgress</name>
    <message>
        <source>%1 rows · Esc stops</source>
        <translation>%1 行 · 按 Esc 停止</translation>
    </message>
</context>
<context>
    <name>VScrollingCapture</name>
    <message>
        <source>The content changed during scrolling and no certain match was found; the part captured before is kept.</source>
        <translation>滚动过程中内容发生了变化，且未找到可靠的匹配；已保留此前截取的部分。</translation>
    </message>
    <message>
        <source>The content changed during scrolling; nothing was kept.</source>
        <translation>滚动过程中内容发生了变化；未保留任何内容。</translation>
    </message>
    <message>
        <source>The page is longer than one picture may be (%1 rows or %2 million pixels); the capture stopped there and keeps what it has.</source>
        <translation>页面超出了单张图片的上限（%1 行或 %2 百万像素）；截图已在此处停止，并保留已截取的部分。</translation>
    </message>
    <message>
        <source>Stopped with Escape; the part captured so far is kept.</source>
        <translation>已按 Escape 停止；已保留目前截取的部分。</translation>
    </message>
    <message>
        <source>This desktop does not let a program scroll another program&apos;s window.</source>
        <translation>此桌面环境不允许程序滚动其他程序的窗口。</translation>
    </message>
</context>
<context>
    <name>VScrollingWindow</name>
    <message>
        <source>TalvikCapture - Scrolling Window</source>
        <translation>TalvikCapture - 滚动窗口</translation>
    </message>
    <message>
        <source>The content changed during scrolling!

 Still save the captured part?</source>
        <translation>滚动过程中内容发生了变化！

仍要保存已截取的部分吗？</translation>
    </message>
    <message>
        <source>Scrolling Window</source>
        <translation>滚动窗口</translation>
    </message>
</context>
<context>
    <name>VSystemTrayIcon</name>
    <message>
        <source>&amp;Show Main Window</source>
        <translation>显示主窗口(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide Main Window</source>
        <translation>隐藏主窗口(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
</context>
<context>
    <name>VUndoButtons</name>
    <message>
        <source>Undo (%1)</source>
        <translation>撤销（%1）</translation>
    </message>
    <message>
        <source>Redo (%1)</source>
        <translation>重做（%1）</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>VWidgetQuickEditor</name>
    <message>
        <source>Border Width</source>
        <translation>边框宽度</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>边框颜色</translation>
    </message>
</context>
<context>
    <name>VWindowNode</name>
    <message>
        <source>This desktop does not let a program see other programs&apos; windows: capture a region instead.</source>
        <translation>此桌面环境不允许程序查看其他程序的窗口，请改用区域截图。</translation>
    </message>
</context>
</TS>
