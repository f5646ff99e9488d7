<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vd::CFunctionPane</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>属性(&amp;P)...</translation>
    </message>
</context>
<context>
    <name>vd::CShortlistPane</name>
    <message>
        <source>No. · MHz</source>
        <translation>序号 · MHz</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Select one</source>
        <translation>选入一个</translation>
    </message>
    <message>
        <source>Unselect one</source>
        <translation>移出一个</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全部选入</translation>
    </message>
    <message>
        <source>Unselect all</source>
        <translation>全部移出</translation>
    </message>
    <message>
        <source>All channel</source>
        <translation>全部信道</translation>
    </message>
</context>
<context>
    <name>vd::CValdrenCpsView</name>
    <message>
        <source>Changing the band moves the frequencies of %1 channels into %2 MHz. Continue?</source>
        <translation>切换频段会把 %1 个信道的频率移到 %2 MHz 内。继续吗？</translation>
    </message>
    <message>
        <source>Moved %1</source>
        <translation>已调整 %1</translation>
    </message>
    <message>
        <source>Reading from %1…</source>
        <translation>正在从 %1 读取…</translation>
    </message>
    <message>
        <source>These references to it will be cleared: %1</source>
        <translation>以下对它的引用将被清除：%1</translation>
    </message>
    <message>
        <source>Deleting %1 cleared %2</source>
        <translation>删除 %1 清除了 %2</translation>
    </message>
    <message>
        <source>bmp file(*.bmp)</source>
        <translation>bmp 文件(*.bmp)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
</context>
<context>
    <name>vd::EditNotices</name>
    <message>
        <source>%1 is outside %2; set to %3</source>
        <translation>%1 超出 %2；已设为 %3</translation>
    </message>
    <message>
        <source>%1 MHz is not on a channel step (a multiple of 2.5 kHz or 6.25 kHz)</source>
        <translation>%1 MHz 不在信道步进上（2.5 kHz 或 6.25 kHz 的整数倍）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the value was not changed</source>
        <translation>“%1”不是数字；值未改变</translation>
    </message>
</context>
<context>
    <name>vd::ReferenceCells</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
</TS>
