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
    <message>
        <source>Change Members</source>
        <translation>更改成员</translation>
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
    <message>
        <source>New %1</source>
        <translation>新建 %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>删除 %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
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
<context>
    <name>vd::CListTableView</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be deleted</source>
        <translation>%1 无法删除</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>删除行(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>插入行(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Delete %1 Rows</source>
        <translation>删除 %1 行</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>删除行</translation>
    </message>
    <message>
        <source>Deleting rows cleared %1</source>
        <translation>删除行时清除了 %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
    </message>
    <message>
        <source>Export List: %1 rows to %2</source>
        <translation>导出列表：%1 行写入 %2</translation>
    </message>
    <message>
        <source>Filter: rows whose cells hold this text</source>
        <translation>筛选：只显示含有此文字的行</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>导入列表</translation>
    </message>
    <message>
        <source>Import List: %1 rows from %2</source>
        <translation>导入列表：从 %2 导入 %1 行</translation>
    </message>
    <message>
        <source>Import List: %1</source>
        <translation>导入列表：%1</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>Move Rows Down</source>
        <translation>下移行</translation>
    </message>
    <message>
        <source>Move Rows Up</source>
        <translation>上移行</translation>
    </message>
    <message>
        <source>New %1</source>
        <translation>新建 %1</translation>
    </message>
    <message>
        <source>No record could be added to %1.</source>
        <translation>无法向 %1 添加记录。</translation>
    </message>
    <message>
        <source>Nothing was imported from %1:
%2</source>
        <translation>未从 %1 导入任何内容：
%2</translation>
    </message>
    <message>
        <source>Only these characters are taken: %1</source>
        <translation>只接受以下字符：%1</translation>
    </message>
    <message>
        <source>Paste %1 Rows</source>
        <translation>粘贴 %1 行</translation>
    </message>
    <message>
        <source>Paste &amp;Over</source>
        <translation>覆盖粘贴(&amp;O)</translation>
    </message>
    <message>
        <source>Paste Row</source>
        <translation>粘贴行</translation>
    </message>
    <message>
        <source>Paste: %1</source>
        <translation>粘贴：%1</translation>
    </message>
    <message>
        <source>Replace the records of %1 by the rows of the file?
Yes replaces them, No adds the rows after them.</source>
        <translation>用文件中的行替换 %1 的记录吗？
“是”替换，“否”将这些行添加到现有记录之后。</translation>
    </message>
    <message>
        <source>Sort List</source>
        <translation>排序列表</translation>
    </message>
    <message>
        <source>The clipboard holds no rows with a header row of column names.</source>
        <translation>剪贴板中没有带列名标题行的表格。</translation>
    </message>
    <message>
        <source>These references to them will be cleared: %1</source>
        <translation>以下对它们的引用将被清除：%1</translation>
    </message>
    <message>
        <source>columns this list has no field for: %1</source>
        <translation>此列表没有对应字段的列：%1</translation>
    </message>
    <message>
        <source>row %1, %2: %3</source>
        <translation>第 %1 行，%2：%3</translation>
    </message>
    <message>
        <source>rows skipped because the list is full: %1</source>
        <translation>列表已满，跳过的行数：%1</translation>
    </message>
</context>
<context>
    <name>vd::SortListDlg</name>
    <message>
        <source>&amp;Ascending</source>
        <translation>升序(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>降序(&amp;D)</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>顺序：</translation>
    </message>
    <message>
        <source>Sort List</source>
        <translation>排序列表</translation>
    </message>
    <message>
        <source>Sort the records by:</source>
        <translation>按此列排序记录：</translation>
    </message>
</context>
</TS>
