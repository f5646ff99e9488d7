<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vd::CAboutDlg</name>
    <message>
        <source>About Valdren CPS</source>
        <translation>关于 Valdren CPS</translation>
    </message>
    <message>
        <source>Valdren CPS, Version</source>
        <translation>Valdren CPS，版本</translation>
    </message>
    <message>
        <source>Programming software for Valdren hand-held radios</source>
        <translation>Valdren 手持对讲机写频软件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>vd::CChildFrame</name>
    <message>
        <source>Problems</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>The project has %1 errors. Write anyway?</source>
        <translation>工程中有 %1 个错误。仍要写入吗？</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>The project could not be saved as %1.</source>
        <translation>无法将工程保存为 %1。</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>是否保存对 %1 的修改？</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>电台</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>已撤销：%1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>已重做：%1</translation>
    </message>
</context>
<context>
    <name>vd::CChooseRegCpsDlg</name>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
</context>
<context>
    <name>vd::CInputStringDlg</name>
    <message>
        <source>&amp;Show</source>
        <translation>显示(&amp;S)</translation>
    </message>
    <message>
        <source>OK(&amp;O)</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>vd::CMainFrame</name>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>批量写频(&amp;S)...</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <source>Save the project first: every radio is written from the saved project file.</source>
        <translation>请先保存工程：每台对讲机都从已保存的工程文件写入。</translation>
    </message>
    <message>
        <source>%1 is not a project of a known radio model.</source>
        <translation>%1 不是已知对讲机型号的工程文件。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Activate window:</source>
        <translation>激活窗口：</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>新建文档</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>打开已有文档</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>保存当前文档</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>以新名称保存当前文档</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>退出程序；提示保存文档</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>剪切所选内容并放到剪贴板</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>复制所选内容并放到剪贴板</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>插入剪贴板内容</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>显示或隐藏工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>输出(&amp;O)</translation>
    </message>
    <message>
        <source>Show or hide the output pane</source>
        <translation>显示或隐藏输出窗格</translation>
    </message>
    <message>
        <source>&amp;Read Device</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <source>Read the configuration from the radio</source>
        <translation>从对讲机读取配置</translation>
    </message>
    <message>
        <source>&amp;Write Device</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>Write the active document to the radio</source>
        <translation>将当前文档写入对讲机</translation>
    </message>
    <message>
        <source>&amp;Option...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>Choose the serial port</source>
        <translation>选择串口</translation>
    </message>
    <message>
        <source>R&amp;ead Bin File</source>
        <translation>读取 Bin 文件(&amp;E)</translation>
    </message>
    <message>
        <source>Read a memory image file into a new document</source>
        <translation>将存储映像文件读入新文档</translation>
    </message>
    <message>
        <source>&amp;Generate Bin File</source>
        <translation>生成 Bin 文件(&amp;G)</translation>
    </message>
    <message>
        <source>Save the memory image of the active document</source>
        <translation>保存当前文档的存储映像</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>关闭当前文档</translation>
    </message>
    <message>
        <source>Close A&amp;ll</source>
        <translation>全部关闭(&amp;L)</translation>
    </message>
    <message>
        <source>Close every document</source>
        <translation>关闭所有文档</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>下一个(&amp;X)</translation>
    </message>
    <message>
        <source>Show the next document</source>
        <translation>显示下一个文档</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>上一个(&amp;V)</translation>
    </message>
    <message>
        <source>Show the previous document</source>
        <translation>显示上一个文档</translation>
    </message>
    <message>
        <source>&amp;About Valdren CPS...</source>
        <translation>关于 Valdren CPS(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information and version</source>
        <translation>显示程序信息和版本</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>界面风格(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>设备(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>恢复备份(&amp;B)...</translation>
    </message>
    <message>
        <source>Write a backup of the radio back to it</source>
        <translation>将电台的备份写回电台</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio...</source>
        <translation>与电台比较(&amp;C)...</translation>
    </message>
    <message>
        <source>Show what differs between the radio and the document</source>
        <translation>显示电台与文档之间的差异</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>比较(&amp;M)...</translation>
    </message>
    <message>
        <source>Show what differs between two open documents</source>
        <translation>显示两个已打开文档之间的差异</translation>
    </message>
    <message>
        <source>No other open document of the %1 to compare with.</source>
        <translation>没有其他已打开的 %1 文档可供比较。</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Compare %1 with:</source>
        <translation>将 %1 与以下文档比较：</translation>
    </message>
    <message>
        <source>&amp;Import List...</source>
        <translation>导入列表(&amp;I)...</translation>
    </message>
    <message>
        <source>Take the rows of a CSV file into the list shown</source>
        <translation>将 CSV 文件中的行导入当前列表</translation>
    </message>
    <message>
        <source>E&amp;xport List...</source>
        <translation>导出列表(&amp;X)...</translation>
    </message>
    <message>
        <source>Write the list shown to a CSV file</source>
        <translation>将当前列表写入 CSV 文件</translation>
    </message>
    <message>
        <source>Paste &amp;Over</source>
        <translation>覆盖粘贴(&amp;O)</translation>
    </message>
    <message>
        <source>Replace the selected rows by the Clipboard&apos;s rows</source>
        <translation>用剪贴板中的行替换所选行</translation>
    </message>
    <message>
        <source>Move Rows &amp;Up</source>
        <translation>上移行(&amp;U)</translation>
    </message>
    <message>
        <source>Move the selected records up by one</source>
        <translation>将所选记录上移一位</translation>
    </message>
    <message>
        <source>Move Rows &amp;Down</source>
        <translation>下移行(&amp;D)</translation>
    </message>
    <message>
        <source>Move the selected records down by one</source>
        <translation>将所选记录下移一位</translation>
    </message>
    <message>
        <source>&amp;Sort List...</source>
        <translation>排序列表(&amp;S)...</translation>
    </message>
    <message>
        <source>Reorder the records of the list shown by a column</source>
        <translation>按某一列重新排列当前列表的记录</translation>
    </message>
    <message>
        <source>T&amp;able</source>
        <translation>表格(&amp;A)</translation>
    </message>
    <message>
        <source>Show the list as a table of every field</source>
        <translation>以包含全部字段的表格显示列表</translation>
    </message>
    <message>
        <source>&amp;Name Grid</source>
        <translation>名称网格(&amp;N)</translation>
    </message>
    <message>
        <source>Show the list as a grid of record names</source>
        <translation>以记录名称网格显示列表</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>撤销上一次更改</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>重做已撤销的更改</translation>
    </message>
</context>
<context>
    <name>vd::COptionDlg</name>
    <message>
        <source>The setting could not be saved in %1.</source>
        <translation>无法将设置保存到 %1。</translation>
    </message>
</context>
<context>
    <name>vd::COutputWnd</name>
    <message>
        <source>Clear output</source>
        <translation>清除输出</translation>
    </message>
    <message>
        <source>Copy output</source>
        <translation>复制输出</translation>
    </message>
</context>
<context>
    <name>vd::CProblemsPane</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>元素</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>%1 errors, %2 warnings</source>
        <translation>%1 个错误，%2 个警告</translation>
    </message>
</context>
<context>
    <name>vd::CProcTip2Dlg</name>
    <message>
        <source>processing...</source>
        <translation>处理中...</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>vd::CBackupListDlg</name>
    <message>
        <source>Restore Backup</source>
        <translation>恢复备份</translation>
    </message>
    <message>
        <source>There is no backup of a %1 yet.</source>
        <translation>还没有 %1 的备份。</translation>
    </message>
    <message>
        <source>Choose the backup of the %1 to write back:</source>
        <translation>选择要写回的 %1 备份：</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>vd::CDifferencesDlg</name>
    <message>
        <source>added</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
    <message>
        <source>%1 and %2 hold the same values.</source>
        <translation>%1 与 %2 的值相同。</translation>
    </message>
    <message>
        <source>Differences from %1 to %2: %3</source>
        <translation>从 %1 到 %2 的差异：%3</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置项</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>转到(&amp;G)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>vd::QtUserInterface</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1，端口 %2</translation>
    </message>
</context>
<context>
    <name>vd::FleetDlg</name>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>保存 CSV...</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Another port, such as /dev/pts/3</source>
        <translation>其他端口，例如 /dev/pts/3</translation>
    </message>
    <message>
        <source>Values per radio (CSV: port,radioName,...), optional</source>
        <translation>每台对讲机的数值（CSV：port,radioName,...），可选</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Project: %1</source>
        <translation>工程：%1</translation>
    </message>
    <message>
        <source>Values per radio</source>
        <translation>每台对讲机的数值</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Nothing was written: %1</source>
        <translation>未写入任何数据：%1</translation>
    </message>
    <message>
        <source>Pick the ports of the radios.</source>
        <translation>请选择对讲机的端口。</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待</translation>
    </message>
    <message numerus="yes">
        <source>Writing %n radio(s)...</source>
        <translation>
            <numerusform>正在写入 %n 台对讲机...</numerusform>
        </translation>
    </message>
    <message>
        <source>Every radio was written and verified.</source>
        <translation>所有对讲机均已写入并校验。</translation>
    </message>
    <message numerus="yes">
        <source>%n radio(s) not written.</source>
        <translation>
            <numerusform>%n 台对讲机未写入。</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the result</source>
        <translation>保存结果</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
</context>
</TS>
