<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>VUpdateDialog</name>
    <message>
        <source>Morvane Update</source>
        <translation>Morvane 更新</translation>
    </message>
    <message>
        <source>
  New Updates for %1 Available
</source>
        <translation>
  %1 有可用的新更新
</translation>
    </message>
    <message>
        <source>Checking updates for %1...</source>
        <translation>正在检查 %1 的更新...</translation>
    </message>
    <message>
        <source>&lt;b&gt;There are new updates for %1 available. Your current version is %2 and the latest version is %3. Download the latest version now?&lt;/b&gt;
&lt;br/&gt;&lt;br/&gt;
Your selected updates will be downloaded in the background, allowing you to continue working uninterrupted. When downloading is finished, you will be notified that updates are ready to be installed.
&lt;br/&gt;&lt;br/&gt;
You see this dialog because the related option has been checked. If you do not want %1 to check for an update automatically, clear the check box beside it.</source>
        <translation>&lt;b&gt;%1 有可用的新更新。您当前的版本为 %2，最新版本为 %3。是否立即下载最新版本？&lt;/b&gt;
&lt;br/&gt;&lt;br/&gt;
所选更新将在后台下载，您可以继续工作而不受打扰。下载完成后，系统会通知您更新已可以安装。
&lt;br/&gt;&lt;br/&gt;
您看到此对话框，是因为已勾选相关选项。如果不希望 %1 自动检查更新，请取消勾选旁边的复选框。</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>下载(&amp;D)</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>正在下载 %1...</translation>
    </message>
    <message>
        <source>Download speed: %1/s</source>
        <translation>下载速度：%1/s</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Minimize To System Tray</source>
        <translation>最小化到系统托盘(&amp;M)</translation>
    </message>
    <message>
        <source>Updates for %1 has been downloaded successfully, please exit %1 before installing updates.</source>
        <translation>%1 的更新已下载完成，请先退出 %1 再安装更新。</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>安装更新</translation>
    </message>
    <message>
        <source>The server sent more than %1B without giving a size; no installer is that large.</source>
        <translation>服务器在未告知大小的情况下发送了超过 %1B 的数据；不可能有这么大的安装程序。</translation>
    </message>
    <message>
        <source>The server sent more than the %1 bytes the update description gives as the size.</source>
        <translation>服务器发送的数据超过了更新描述中给出的大小（%1 字节）。</translation>
    </message>
    <message>
        <source>The download folder could not be created.</source>
        <translation>无法创建下载文件夹。</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>无法写入文件：%1</translation>
    </message>
    <message>
        <source>The server announces %1 bytes, but the update description gives %2 bytes as the size.</source>
        <translation>服务器声明的大小为 %1 字节，但更新描述中给出的大小为 %2 字节。</translation>
    </message>
    <message>
        <source>The server sent more than the %1 bytes it announced.</source>
        <translation>服务器发送的数据超过了其声明的 %1 字节。</translation>
    </message>
    <message>
        <source>The download of %1 failed.</source>
        <translation>%1 下载失败。</translation>
    </message>
    <message>
        <source>Cancel and Remind me</source>
        <translation>取消并稍后提醒</translation>
    </message>
    <message>
        <source>%1 later</source>
        <translation>%1后</translation>
    </message>
    <message>
        <source>Found New version for %1, click here to download the latest version %2</source>
        <translation>发现 %1 的新版本，单击此处下载最新版本 %2</translation>
    </message>
    <message>
        <source>Found new version for %1, version %2</source>
        <translation>发现 %1 的新版本：%2</translation>
    </message>
    <message>
        <source>Downloading %1, version %2.
%3B/s, %4% finished.</source>
        <translation>正在下载 %1，版本 %2。
%3B/s，已完成 %4%。</translation>
    </message>
    <message>
        <source>Downloading %1, version %2.
%3B/s.</source>
        <translation>正在下载 %1，版本 %2。
%3B/s。</translation>
    </message>
    <message>
        <source>Download of %1, version %2, failed.</source>
        <translation>%1（版本 %2）下载失败。</translation>
    </message>
    <message>
        <source>Download %1, version %2, finished. Ready to Install.</source>
        <translation>%1（版本 %2）下载完成，可以安装了。</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>服务器已停止发送数据。</translation>
    </message>
    <message>
        <source>The download is incomplete.</source>
        <translation>下载不完整。</translation>
    </message>
    <message>
        <source>The download cannot be checked: the server sent no size and the update description no checksum.</source>
        <translation>无法校验下载的文件：服务器未提供大小，更新描述中也没有校验和。</translation>
    </message>
    <message>
        <source>The download is empty.</source>
        <translation>下载的内容为空。</translation>
    </message>
    <message>
        <source>The downloaded file is damaged: its checksum does not match.</source>
        <translation>下载的文件已损坏：校验和不匹配。</translation>
    </message>
    <message>
        <source>Automatic Update</source>
        <translation>自动更新</translation>
    </message>
</context>
<context>
    <name>VUpdateFormat</name>
    <message>
        <source> Month</source>
        <translation> 个月</translation>
    </message>
    <message>
        <source> Months</source>
        <translation> 个月</translation>
    </message>
    <message>
        <source> Week</source>
        <translation> 周</translation>
    </message>
    <message>
        <source> Weeks</source>
        <translation> 周</translation>
    </message>
    <message>
        <source> Day</source>
        <translation> 天</translation>
    </message>
    <message>
        <source> Days</source>
        <translation> 天</translation>
    </message>
    <message>
        <source> Hour</source>
        <translation> 小时</translation>
    </message>
    <message>
        <source> Hours</source>
        <translation> 小时</translation>
    </message>
    <message>
        <source> Minute</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source> Second</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source> Seconds</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>0 second</source>
        <translation>0 秒</translation>
    </message>
</context>
</TS>
