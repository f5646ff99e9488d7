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
</TS>
