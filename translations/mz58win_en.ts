<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>mz58::CAboutDlg</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>QM-610 编程软件</source>
        <translation>QM-610 Programming Software</translation>
    </message>
    <message>
        <source>读取电台的信道和参数, 在电脑上编辑, 再写回电台.</source>
        <translation>Reads the radio&apos;s channels and settings, edits them on the computer and writes them back to the radio.</translation>
    </message>
    <message>
        <source>按 F1 打开帮助主题.</source>
        <translation>Press F1 for the help topics.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright © 2026 The MZ58Win developers.
This program is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::CAccessGaugeDlg</name>
    <message>
        <source>Access Gauge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>电台原有的数据已备份到：
%1</source>
        <translation>The radio&apos;s previous data was backed up to:
%1</translation>
    </message>
</context>
<context>
    <name>mz58::CAniDlg</name>
    <message>
        <source>ANI设置</source>
        <translation>ANI Settings</translation>
    </message>
    <message>
        <source>ANI发射</source>
        <translation>ANI Transmit</translation>
    </message>
    <message>
        <source>ANI延迟</source>
        <translation>ANI Delay</translation>
    </message>
    <message>
        <source>ANI速度</source>
        <translation>ANI Speed</translation>
    </message>
    <message>
        <source>ANI编码</source>
        <translation>ANI Code</translation>
    </message>
</context>
<context>
    <name>mz58::CChannelTypeDlg</name>
    <message>
        <source>信道类型</source>
        <translation>Channel Type</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::CColumnDisplayDlg</name>
    <message>
        <source>显示设置</source>
        <translation>Display Settings</translation>
    </message>
    <message>
        <source>宽/窄</source>
        <translation>Wide/Narrow</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>代码静噪</source>
        <translation>Sub Audio</translation>
    </message>
    <message>
        <source>省电</source>
        <translation>Power Save</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>QGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发射超时</source>
        <translation>Time-out Timer</translation>
    </message>
    <message>
        <source>静噪</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>ANI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>遇忙发射限制</source>
        <translation>Busy Channel Lockout</translation>
    </message>
    <message>
        <source>呼叫/信号</source>
        <translation>Call Code</translation>
    </message>
    <message>
        <source>时钟偏移</source>
        <translation>Clock Shift</translation>
    </message>
    <message>
        <source>通讯圈外提示</source>
        <translation>Out-of-Range Alert</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>mz58::CComPortDlg</name>
    <message>
        <source>串口设置</source>
        <translation>COM Port Settings</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>选择串行口</source>
        <translation>Select Serial Port</translation>
    </message>
    <message>
        <source>串行口</source>
        <translation>Serial Port</translation>
    </message>
    <message>
        <source>COM &amp;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends a few bytes on the selected port and expects the programming cable to echo them. No radio is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable test result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing the cable on %1...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::CDtmfDlg</name>
    <message>
        <source>DTMF设置</source>
        <translation>DTMF Settings</translation>
    </message>
    <message>
        <source>DTMF速度</source>
        <translation>DTMF Speed</translation>
    </message>
    <message>
        <source>回叫</source>
        <translation>Answer Back</translation>
    </message>
    <message>
        <source>呼叫次数</source>
        <translation>Call Count</translation>
    </message>
</context>
<context>
    <name>mz58::CFileDataDlg</name>
    <message>
        <source>File Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>mz58::CHardwareDlg</name>
    <message>
        <source>硬件参数</source>
        <translation>Hardware Settings</translation>
    </message>
    <message>
        <source>工作波段</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>参考晶体频率</source>
        <translation>Reference Crystal Frequency</translation>
    </message>
    <message>
        <source>第一本振频率</source>
        <translation>First LO Frequency</translation>
    </message>
    <message>
        <source>本振差频方向</source>
        <translation>Injection Side</translation>
    </message>
    <message>
        <source>频率步进</source>
        <translation>Frequency Step</translation>
    </message>
    <message>
        <source>静噪延迟时间</source>
        <translation>Squelch Delay</translation>
    </message>
    <message>
        <source>静噪释放时间</source>
        <translation>Squelch Release</translation>
    </message>
    <message>
        <source>静噪开启时间</source>
        <translation>Squelch Attack</translation>
    </message>
    <message>
        <source>静噪判断时间</source>
        <translation>Squelch Hysteresis</translation>
    </message>
    <message>
        <source>DCS接收数据</source>
        <translation>DCS Receive Data</translation>
    </message>
    <message>
        <source>DCS发射数据</source>
        <translation>DCS Transmit Data</translation>
    </message>
    <message>
        <source>VHF </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UHF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::CHelpTextDlg</name>
    <message>
        <source>Get Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Proglams</source>
        <translation>Common Problems</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>mz58::CKeyFunctionDlg</name>
    <message>
        <source>功能键</source>
        <translation>Function Key</translation>
    </message>
</context>
<context>
    <name>mz58::CMZ58App</name>
    <message>
        <source>模拟电台无法启动 (the simulated radio could not start): %1</source>
        <translation>The simulated radio could not start: %1</translation>
    </message>
</context>
<context>
    <name>mz58::CMZ58View</name>
    <message>
        <source>&amp;C复制	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;P粘贴	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>产品机身号</source>
        <translation>Serial Number</translation>
    </message>
    <message>
        <source>工作波段</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>产品型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>FW 版本</source>
        <translation>FW Version</translation>
    </message>
    <message>
        <source>串行口</source>
        <translation>Serial Port</translation>
    </message>
    <message>
        <source>打印机</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>%1（模拟电台）</source>
        <translation>%1 (simulated radio)</translation>
    </message>
    <message>
        <source>Channels of bank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete on a Chn cell clears the channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear channel	Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move channel &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move channel dow&amp;n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Swap with the other bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy to the other bank</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::CMainFrame</name>
    <message>
        <source>F1帮助   F2下一群组   F3 DCS列表   F10菜单</source>
        <translation>F1 Help   F2 Next Bank   F3 DCS List   F10 Menu</translation>
    </message>
    <message>
        <source>MZ58Win for QM-610(M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MZ58Win for QM-610</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模拟电台 (simulated radio)</source>
        <translation>Simulated radio</translation>
    </message>
    <message>
        <source>正在打印, 请稍候 (printing in progress)</source>
        <translation>Printing, please wait</translation>
    </message>
    <message>
        <source>“%1”: 此功能尚未提供 (not available yet).</source>
        <translation>“%1”: this function is not available yet.</translation>
    </message>
    <message>
        <source>&amp;N新建	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;O打开...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;S保存	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;A另存为...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;P打印...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;V打印预览</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;R打印设置...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Import CHIRP CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CHIRP CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;C串口设置</source>
        <translation>&amp;COM Port Settings</translation>
    </message>
    <message>
        <source>&amp;X退出</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;C复制	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;P粘贴	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;T工具栏</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;S状态栏</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;V选择显示</source>
        <translation>Select &amp;Visible Columns</translation>
    </message>
    <message>
        <source>&amp;H硬件</source>
        <translation>&amp;Hardware</translation>
    </message>
    <message>
        <source>&amp;O选项</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;S扫描</source>
        <translation>&amp;Scan</translation>
    </message>
    <message>
        <source>&amp;P省电</source>
        <translation>&amp;Power Save</translation>
    </message>
    <message>
        <source>&amp;K按键功能</source>
        <translation>&amp;Key Function</translation>
    </message>
    <message>
        <source>&amp;M市场编号</source>
        <translation>&amp;Market Number</translation>
    </message>
    <message>
        <source>&amp;I特殊功能</source>
        <translation>Spec&amp;ial Functions</translation>
    </message>
    <message>
        <source>&amp;ANI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DTMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paging Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2&amp;Tone Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;U读取</source>
        <translation>&amp;Read from radio</translation>
    </message>
    <message>
        <source>&amp;D写入</source>
        <translation>&amp;Write to radio</translation>
    </message>
    <message>
        <source>&amp;C信道类型</source>
        <translation>&amp;Channel Type</translation>
    </message>
    <message>
        <source>&amp;H帮助主题</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <source>&amp;G开始</source>
        <translation>&amp;Getting Started</translation>
    </message>
    <message>
        <source>&amp;C一般问题</source>
        <translation>&amp;Common Problems</translation>
    </message>
    <message>
        <source>&amp;A关于MZ58..</source>
        <translation>&amp;About MZ58...</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read from radio</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write to radio</translation>
    </message>
    <message>
        <source>关于MZ58</source>
        <translation>About MZ58</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;gnalling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv);;*</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) imported.</source>
        <translation type="vanished">
            <numerusform>%n channel imported.</numerusform>
            <numerusform>%n channels imported.</numerusform>
        </translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电台原有数据已备份 (radio backup): %1</source>
        <translation>The radio&apos;s previous data was backed up: %1</translation>
    </message>
    <message>
        <source>&amp;U撤消 %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;R重做 %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>&amp;W宽/窄</source>
        <translation>&amp;Wide/Narrow</translation>
    </message>
    <message>
        <source>&amp;F频率</source>
        <translation>&amp;Frequency</translation>
    </message>
    <message>
        <source>&amp;B副载波</source>
        <translation>Su&amp;b Audio</translation>
    </message>
    <message>
        <source>&amp;S省电</source>
        <translation>Power &amp;Save</translation>
    </message>
    <message>
        <source>&amp;P功率</source>
        <translation>&amp;Power</translation>
    </message>
    <message>
        <source>&amp;C扫描</source>
        <translation>S&amp;can</translation>
    </message>
    <message>
        <source>&amp;QGS集群</source>
        <translation>&amp;QGS Group Scan</translation>
    </message>
    <message>
        <source>&amp;T发射超时</source>
        <translation>&amp;Time-out Timer</translation>
    </message>
    <message>
        <source>&amp;U静噪</source>
        <translation>Sq&amp;uelch</translation>
    </message>
    <message>
        <source>&amp;ANI双音多频</source>
        <translation>&amp;ANI DTMF</translation>
    </message>
    <message>
        <source>&amp;E加密功能</source>
        <translation>&amp;Encryption</translation>
    </message>
    <message>
        <source>&amp;K繁忙信道锁定</source>
        <translation>Busy Channel Loc&amp;kout</translation>
    </message>
    <message>
        <source>Pa&amp;ge/Sig双音多频呼叫</source>
        <translation>Pa&amp;ge/Sig DTMF Call</translation>
    </message>
    <message>
        <source>&amp;H钟频偏移</source>
        <translation>Clock S&amp;hift</translation>
    </message>
    <message>
        <source>&amp;O通讯圈外提示</source>
        <translation>&amp;Out-of-Range Alert</translation>
    </message>
    <message>
        <source>&amp;D打印到PDF文件... (Print to PDF)</source>
        <translation>Print to P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Import CHIRP CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CHIRP CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;U撤消</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;R重做</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Channel type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: needs the DTMF board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not available with this option unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop one file at a time: a programming file to open it, or a CHIRP CSV channel list to import it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare with radio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to &amp;several radios...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show changes &amp;before writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large for a channel list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) imported from %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The channels already hold what %1 holds: nothing changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::CMarketNumberDlg</name>
    <message>
        <source>市场编号</source>
        <translation>Market Number</translation>
    </message>
    <message>
        <source>产品序列号</source>
        <translation>Serial Number</translation>
    </message>
</context>
<context>
    <name>mz58::CMultiWriteDlg</name>
    <message>
        <source>Write to several radios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of radios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One line a radio is appended to this CSV file: time, radio, serial number, result, backup, file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Number of radios:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the first radio and press Start. Each further radio is taken when it is switched on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radios written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping after the current step...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: written, serial %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, backup %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (serial %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 radios written, %3 failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the radios after it were not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port failed: the remaining radios were not written. Check the cable and the COM port settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::COptionsDlg</name>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>加密选件</source>
        <translation>Encryption Option</translation>
    </message>
    <message>
        <source>DTMF选件</source>
        <translation>DTMF Option</translation>
    </message>
    <message>
        <source>子CPU</source>
        <translation>Sub CPU</translation>
    </message>
</context>
<context>
    <name>mz58::COtherFunctionsDlg</name>
    <message>
        <source>其它功能</source>
        <translation>Other Functions</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>默认差频</source>
        <translation>Default Offset</translation>
    </message>
    <message>
        <source>开机DW</source>
        <translation>Power-on DW</translation>
    </message>
    <message>
        <source>发射延迟</source>
        <translation>TX Delay</translation>
    </message>
    <message>
        <source>off      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>300 msecs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>闹铃</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>照明模式</source>
        <translation>Lamp Mode</translation>
    </message>
    <message>
        <source>监听</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>附加功能键提示音</source>
        <translation>Accessory Key Beep</translation>
    </message>
</context>
<context>
    <name>mz58::CPagingCodeDlg</name>
    <message>
        <source>呼叫码</source>
        <translation>Page Code</translation>
    </message>
    <message>
        <source>PAGE  &amp;%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::CPasswordDlg</name>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>mz58::CPowerSaveDlg</name>
    <message>
        <source>省电功能</source>
        <translation>Power Save</translation>
    </message>
    <message>
        <source>发射定时器</source>
        <translation>Transmit Timer</translation>
    </message>
    <message>
        <source>惩罚时间</source>
        <translation>Penalty Time</translation>
    </message>
    <message>
        <source>释放时间</source>
        <translation>PTT Release Time</translation>
    </message>
    <message>
        <source>自动关机时间</source>
        <translation>Auto Power Off</translation>
    </message>
    <message>
        <source>接收省电模式</source>
        <translation>Receive Save Mode</translation>
    </message>
</context>
<context>
    <name>mz58::CScanDlg</name>
    <message>
        <source>扫描参数</source>
        <translation>Scan Settings</translation>
    </message>
    <message>
        <source>双信道扫描定时器</source>
        <translation>Dual Watch Timer</translation>
    </message>
    <message>
        <source>扫描恢复时间1</source>
        <translation>Scan Resume Time 1</translation>
    </message>
    <message>
        <source>扫描恢复时间2</source>
        <translation>Scan Resume Time 2</translation>
    </message>
    <message>
        <source>A信道群主信道</source>
        <translation>Bank A Priority Channel</translation>
    </message>
    <message>
        <source>B信道群主信道</source>
        <translation>Bank B Priority Channel</translation>
    </message>
    <message>
        <source>回叫</source>
        <translation>Answer Back</translation>
    </message>
    <message>
        <source>脱网(反转信道)</source>
        <translation>Revert Channel</translation>
    </message>
    <message>
        <source>主信道提示</source>
        <translation>Priority Beep</translation>
    </message>
</context>
<context>
    <name>mz58::CSelectionListDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::CSettingsDialog</name>
    <message>
        <source>确认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>mz58::CTwoToneParamDlg</name>
    <message>
        <source>双重2音码参数</source>
        <translation>2Tone Parameters</translation>
    </message>
    <message>
        <source>自动复位</source>
        <translation>Auto Reset</translation>
    </message>
    <message>
        <source>群呼</source>
        <translation>Group Call</translation>
    </message>
    <message>
        <source>呼叫次数</source>
        <translation>Call Count</translation>
    </message>
    <message>
        <source>Tone格式</source>
        <translation>Tone Format</translation>
    </message>
</context>
<context>
    <name>mz58::CTwoToneTableDlg</name>
    <message>
        <source>2音码编辑</source>
        <translation>2Tone Code Editing</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::CWritePreviewDlg</name>
    <message>
        <source>Write to radio: what will change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Writing %1 will change the radio (serial number %2) in %n place(s):</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The radio (serial number %1) holds what a write of %2 would send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The radio (serial number %1) differs from %2 in %n place(s):</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>What</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the radio now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After the write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Do not show again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write at once from now on; Radio &gt; Show changes before writing brings this window back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::ChannelGrid</name>
    <message>
        <source>Page Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2Tone Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUB Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W/N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUB AUDIO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pwr Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RNGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宽/窄</source>
        <translation>Wide/Narrow</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>副载波</source>
        <translation>Sub Audio</translation>
    </message>
    <message>
        <source>省电</source>
        <translation>Power Save</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>QGS集群</source>
        <translation>QGS Group Scan</translation>
    </message>
    <message>
        <source>发射超时</source>
        <translation>Time-out Timer</translation>
    </message>
    <message>
        <source>静噪</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>ANI双音多频</source>
        <translation>ANI DTMF</translation>
    </message>
    <message>
        <source>加密功能</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>繁忙信道锁定</source>
        <translation>Busy Channel Lockout</translation>
    </message>
    <message>
        <source>Page/Sig双音多频呼叫</source>
        <translation>Page/Sig DTMF Call</translation>
    </message>
    <message>
        <source>钟频偏移</source>
        <translation>Clock Shift</translation>
    </message>
    <message>
        <source>通讯圈外提示</source>
        <translation>Out-of-Range Alert</translation>
    </message>
    <message>
        <source>2Ton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIG</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::ChannelGridModel</name>
    <message>
        <source>%1, Ch %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel not in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space or double click: switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space or double click: choose from a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space or double click: next value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a frequency in MHz, or Enter or double click to edit it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel number in the bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space: in use or not; Delete: clear the channel; paste a copied Chn cell: copy that channel here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide or narrow channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive frequency (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit frequency (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a frequency in MHz, Enter to edit it; Space: transmit inhibited or not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub-audio tone type (CTCSS, DCS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decode tone (receive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space or double click: choose from a list; F3: invert a DCS code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode tone (transmit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive power save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit power save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High or low power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low power level (3, 2, 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QGS group scan member (QM-Trunk unit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit time-out timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch level (0..12)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANI (DTMF caller id)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption (needs the encryption device)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy channel lockout (BC, BT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call code (paging, 2-tone or signalling)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out-of-range alert (DCS channels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)
%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::ChirpImportDialog</name>
    <message>
        <source>Import CHIRP CSV: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the channels the Location column names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 and on, in the list&apos;s order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import into:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows of the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rows (Space checks or unchecks the selected rows):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remarks on the current row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: goes in as shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 rows fit: they replace channels %3 to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the %1 rows goes into a channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) the radio cannot hold.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) find no channel left.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a CHIRP channel list: nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::ChirpImportModel</name>
    <message>
        <source>left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no channel left: the rows fill the channels up to 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::HelpWindow</name>
    <message>
        <source>后退</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>MZ58Win 帮助</source>
        <translation>MZ58Win Help</translation>
    </message>
    <message>
        <source>MZ58Win 帮助 - %1</source>
        <translation>MZ58Win Help - %1</translation>
    </message>
</context>
<context>
    <name>mz58::ImageDumpModel</name>
    <message>
        <source>地址 %1h = %2</source>
        <translation>Address %1h = %2</translation>
    </message>
</context>
<context>
    <name>mz58::QtFileChooser</name>
    <message>
        <source>MZ58 Files(*.q7m)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::RadioTransfers</name>
    <message>
        <source>Step 1 of 2: reading the radio to show what the write will change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2 of 2: writing. If the radio asks for it, switch it off and on again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio already holds everything this write would send. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio already holds everything this write sends: writing it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the radio to compare it with %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::ReportPrinting</name>
    <message>
        <source>打印失败 (printing failed)</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印到PDF文件 (Print to PDF)</source>
        <translation>Print to PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mz58::StringTable</name>
    <message>
        <source>文件打开错误<byte value="xd"/>
File Name = %1</source>
        <translation>File open error<byte value="xd"/>
File Name = %1</translation>
    </message>
    <message>
        <source>文件写入错误</source>
        <translation>File write error</translation>
    </message>
    <message>
        <source>文件读取错误<byte value="xd"/>
File Name = %1</source>
        <translation>File read error<byte value="xd"/>
File Name = %1</translation>
    </message>
    <message>
        <source>文件打开错误<byte value="xd"/>
%1</source>
        <translation>File open error<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>是否写入默认文件?</source>
        <translation>Write the default file?</translation>
    </message>
    <message>
        <source>文件无法打开.<byte value="xd"/>
文件格式错误或不支持</source>
        <translation>The file cannot be opened.<byte value="xd"/>
Wrong or unsupported file format</translation>
    </message>
    <message>
        <source>文件属性为只读.<byte value="xd"/>
File Name = %1</source>
        <translation>The file is read-only.<byte value="xd"/>
File Name = %1</translation>
    </message>
    <message>
        <source>改变频率波段?<byte value="xd"/>
频率不合法</source>
        <translation>Change the frequency band?<byte value="xd"/>
The frequencies are not valid</translation>
    </message>
    <message>
        <source>Do you copy Ch%1 data to Ch %2?
(Only visible columns)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口错误</source>
        <translation>Serial port error</translation>
    </message>
    <message>
        <source>检查是否连接正确</source>
        <translation>Check that the cable is connected correctly</translation>
    </message>
    <message>
        <source>读取错误!</source>
        <translation>Read error!</translation>
    </message>
    <message>
        <source>读取完成</source>
        <translation>Read complete</translation>
    </message>
    <message>
        <source>写入错误!</source>
        <translation>Write error!</translation>
    </message>
    <message>
        <source>硬件设置不匹配! 1</source>
        <translation>Hardware settings do not match! 1</translation>
    </message>
    <message>
        <source>备份文件写入错误, 电台未写入<byte value="xd"/>
%1</source>
        <translation>Cannot write the backup file; nothing was written to the radio<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>电台数据不一致: %1</source>
        <translation>The radio&apos;s data differs: %1</translation>
    </message>
    <message>
        <source>电台数据一致<byte value="xd"/>
File Name = %1</source>
        <translation>The radio&apos;s data matches<byte value="xd"/>
File Name = %1</translation>
    </message>
    <message>
        <source>写入完成</source>
        <translation>Write complete</translation>
    </message>
    <message>
        <source>读取功能</source>
        <translation>Read from radio</translation>
    </message>
    <message>
        <source>写入功能</source>
        <translation>Write to radio</translation>
    </message>
    <message>
        <source>关闭并重新开启设备</source>
        <translation>Switch the radio off and on again</translation>
    </message>
    <message>
        <source>请等待</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>   GET STARTED<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   (1) Welcome to the programming software for the<byte value="xd"/>
       QM-610 portable transceiver.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       Please read all the getting-started texts to<byte value="xd"/>
       understand its features and options.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   (2) Check the serial port in the software&apos;s settings<byte value="xd"/>
       (File menu, &quot;串口设置&quot;): the chosen COM number<byte value="xd"/>
       must name the device of your programming cable,<byte value="xd"/>
       e.g. /dev/ttyUSB0 for a USB-serial adapter or<byte value="xd"/>
       /dev/ttyS0 for a built-in serial port.<byte value="xd"/>
</source>
        <translation>   (2) Check the serial port in the software&apos;s settings<byte value="xd"/>
       (File menu, &quot;COM Port Settings&quot;): the chosen COM<byte value="xd"/>
       number must name the device of your programming<byte value="xd"/>
       cable, e.g. /dev/ttyUSB0 for a USB-serial adapter<byte value="xd"/>
       or /dev/ttyS0 for a built-in serial port.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>       optional keypad settings for that radio and<byte value="xd"/>
       unlocks the option-specific parts of the software.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       Follow the instructions on the screen. The<byte value="xd"/>
       radio&apos;s LED blinks red and the screen shows a<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Hint: after a different option unit has been<byte value="xd"/>
         installed, switch the radio on once in normal<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>         mode and let it finish its self-test, so that<byte value="xd"/>
         it recognises the new unit. Otherwise the<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bcc Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   PROGRAMMING PROBLEMS<byte value="xd"/>
<byte value="xd"/>
   Communication problems between the software and the<byte value="xd"/>
   radio are the most frequent problems. Common<byte value="xd"/>
   problems and their cures follow.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Device permissions: you need read and write access<byte value="xd"/>
   to the serial device. Add your user to the dialout<byte value="xd"/>
   group (sudo adduser $USER dialout, then log out and<byte value="xd"/>
   in again) or install MZ58Win&apos;s udev rule for the<byte value="xd"/>
   adapter.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   on computers that program other radios. ModemManager<byte value="xd"/>
   probes a newly plugged USB-serial adapter as a modem,<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   and brltty claims some adapters (CH340, CP210x) for<byte value="xd"/>
   braille displays. Remove brltty if you have no braille<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   display, stop ModemManager or let it ignore the<byte value="xd"/>
   adapter, and close terminal programs using the port.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Programming cable: use only the programming cable set<byte value="xd"/>
   made for this radio, on a USB-serial adapter with a<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   CH340, PL2303, FTDI or CP210x chip. The adapter shows<byte value="xd"/>
   up as /dev/ttyUSB0, /dev/ttyUSB1, ... (see dmesg after<byte value="xd"/>
   plugging it in); a built-in 9-pin port is /dev/ttyS0.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Do not use a null-modem adapter. Extension cables,<byte value="xd"/>
   unpowered USB hubs and switch boxes can cause problems.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Use both pieces of the cable: the three-contact mini<byte value="xd"/>
   plug of the main cable fits the radio&apos;s jack but does<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   not program. Attach the short pigtail adapter and<byte value="xd"/>
   insert its four-contact plug into the radio&apos;s jack.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Signal level and EEPROM write voltage: a laptop on a<byte value="xd"/>
   weak battery may not give enough signal level (use<byte value="xd"/>
   the mains supply).<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   A nearly empty radio battery may not give enough<byte value="xd"/>
   voltage to write the EEPROM (use a charged battery).<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MZ58 Ver%1w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master Oscillator Frequency
0..99.9MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Intermediate Frequency Offset
0..99.9MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change operating frequency band
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Side/Low Side Injection
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Spacing
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time between squelch open to audio un-muted
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQuelch Release Time
0..300 msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch Attack Time
0..70 msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch Hysteresis
0..15 msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS Receive Data Polarity
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS Transmit Data Polarity
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determine Encryption device installed
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determine DTMF board installed
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determine Sub CPU is connected or not
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time interval to check carrier at PRI channel
0.5 ... 3 Secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time spent checking for carrier per channel before resume scan
0.25..14 Secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time spent checking for carrier per channel before resume scan
2..60 Secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select BANK-A Priority Channel
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select BANK-B Priority Channel
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio will transpond after calling radio stops transmitting
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel to revert to when PTT is pressed during scanning
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable/Disable Beep when radio stays at PRI channel
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum transmit time allowed when TOT is select for a channel
0.5 .. 7 mins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit inhibit time applied when TOT is violated
0 .. 60 secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit inhibit time applied after releasing PTT button
0 ... 5 secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Power Off after APO Time expired
0 ... 8 hrs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determine the proportion of receiver on and off time
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify Accessory Key function
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号(厂方编辑)</source>
        <translation>Serial number (set by the factory)</translation>
    </message>
    <message>
        <source>开机双重扫描
&lt;SELECT&gt;</source>
        <translation>Dual watch at power-on
&lt;SELECT&gt;</translation>
    </message>
    <message>
        <source>发射键释放发射结束前的延迟
&lt;SELECT&gt;</source>
        <translation>Delay before the transmission ends after PTT release
&lt;SELECT&gt;</translation>
    </message>
    <message>
        <source>闹铃 有效/无效
&lt;SELECT&gt;</source>
        <translation>Alarm on/off
&lt;SELECT&gt;</translation>
    </message>
    <message>
        <source>照明模式
&lt;SELECT&gt;</source>
        <translation>Lamp mode
&lt;SELECT&gt;</translation>
    </message>
    <message>
        <source>监视模式
&lt;SELECT&gt;</source>
        <translation>Monitor mode
&lt;SELECT&gt;</translation>
    </message>
    <message>
        <source>选择在附加键按下时是否发出提示音
&lt;SELECT&gt;</source>
        <translation>Whether a beep sounds when the accessory key is pressed
&lt;SELECT&gt;</translation>
    </message>
    <message>
        <source>Automatic offset above RX applied to TX frequency
-99.9 .. +99.9MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANI Transmit Method
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay Time between PTT pressed and first code out
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Duration for each digit
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANI Code (Max. 15 digits)
&lt;ENTER&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Transmit Speed
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled/Disabled Answer Back function
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of times of alert tone will be emitted on paging call receive
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Code
&lt;ENTER&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Code
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAGE %1: 呼叫码 &quot;000&quot; 只能与 &quot;ENC &amp; DEC&quot; 一起使用</source>
        <translation>PAGE %1: page code &quot;000&quot; can only be used with &quot;ENC &amp; DEC&quot;</translation>
    </message>
    <message>
        <source>Automatic reset after scan resume time 2 expired
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group call selection
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of times of alert tone will be emitted on paging call  receive
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice between Standard 2 Tone and User defined 2 Tone
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select 2Tone Group
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select 1st Frequency
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select 2nd Frequency
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st Frequency
&lt;ENTER&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd Frequency
&lt;ENTER&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Type
&lt;SELECT&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认差频 %1 MHz 无效, 已改为 %2 MHz</source>
        <translation>Default offset %1 MHz is not valid; changed to %2 MHz</translation>
    </message>
    <message>
        <source>[ Key Operation ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否保存对 %1 的更改?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>   (3) Read the radio before you write to it: reading<byte value="xd"/>
       presets the frequency band and the<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        To read the radio:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       Connect the programming cable between the USB<byte value="xd"/>
       port (through its USB-serial adapter) and the<byte value="xd"/>
       radio&apos;s multi-function jack, then choose &quot;读取&quot;<byte value="xd"/>
       in the Radio menu.<byte value="xd"/>
</source>
        <translation>       Connect the programming cable between the USB<byte value="xd"/>
       port (through its USB-serial adapter) and the<byte value="xd"/>
       radio&apos;s multi-function jack, then choose &quot;Read<byte value="xd"/>
       from radio&quot; in the Radio menu.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>       counting bar while the radio is read. Wait until<byte value="xd"/>
       the read is complete.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>         read may carry the wrong configuration.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Software conflicts: other programs that open the same<byte value="xd"/>
   serial device can block reading or writing, even<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read from radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typing in Ch %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change to Ch %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paste into Ch %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS inversion in Ch %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy of Ch %1 to Ch %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hardware settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scan settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANI settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paging codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-tone settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-tone table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a frequency: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no frequency in &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the channel has no tone type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a tone of the channel&apos;s tone type: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a call code: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>call code %1 is not defined for this radio; the channel keeps its code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX %1 MHz cannot be stored in a channel on the %2 kHz step: the radio would read it back as %3 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX %1 MHz cannot be stored in a channel on the %2 kHz step: the radio would read it back as %3 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the channel copy takes a channel number in &quot;Chn&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the channel is not in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a squelch level 0..12: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no encryption device is fitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the out-of-range alert needs a DCS channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no value of this column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some values cannot be used by the radio. They are shown as stored and nothing was changed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Receive: %2 MHz is outside %3 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Transmit: %2 MHz is outside %3 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Receive: no frequency is stored; the band default %2 MHz that is shown cannot be held on the %3 kHz step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Transmit: no frequency is stored; the band default %2 MHz that is shown cannot be held on the %3 kHz step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Receive: %2 MHz cannot be held on the %3 kHz step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Transmit: %2 MHz cannot be held on the %3 kHz step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Decode tone: %2 number %3 is not in the list of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Encode tone: %2 number %3 is not in the list of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Power level: stored value %2 is not in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Busy lockout: stored value %2 is not in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 Channel type: stored value %2 is not in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local offset: %1 MHz moves every transmit frequency outside %2 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This resets the channel types and scan membership of all 16 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved changes from %1 were recovered. Open them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recovered changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the next radio and switch it on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not the radio whose changes were shown. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cable OK: echo on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no echo: is the cable plugged in? is the radio off?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied: join the dialout group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>garbled echo: the cable returned other bytes than were sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such port: plug in the cable or choose its port in the COM port settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no echo from the cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no answer from the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the radio&apos;s data arrived damaged (checksum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the radio did not accept the data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the line went away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the radio&apos;s block has the wrong length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the radio&apos;s hardware (band, reference, IF) differs from the file&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: another radio is on the cable than the one whose changes were shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: an echo from the cable was lost or garbled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join the dialout group or install the udev rule, then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the other program that uses the port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug in the programming cable, or choose its port in the COM port settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that the programming cable is plugged in at both ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the radio off, then on, within 10 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the cable at the radio and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the radio first and edit that file, or open a file made for this radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside %2–%3 MHz: stored %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit %1 (Receive + local offset) is outside %2–%3 MHz: stored %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive stored as %1 MHz: nearest %2 kHz step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit stored as %1 MHz: nearest %2 kHz step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 is not in use: Space on its Chn cell puts it in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first channel always stays in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QGS group scan needs the QM-Trunk option unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F3 inverts a DCS code: in Dec or Enc of a DCS channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 is not in use: type a Receive frequency or press Space on its Chn cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the block does not fit: %1 rows from Ch %3 run past the end of bank %2; nothing was pasted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the block does not fit: %1 cells from %2 run past the last column; nothing was pasted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a channel cannot be copied onto itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no channel of this bank (1..8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 is the first channel of its bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 is the last channel of its bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2 shows the next bank only when the accessory key is the bank key (Settings &gt; Key function)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch A1 must stay in use: this would put a channel not in use there (Ch %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1 is in use and falls off the end of its bank. Insert a channel anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch %1: nothing to change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>block paste at Ch %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear Ch %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insert a channel at Ch %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete Ch %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move Ch %1 up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move Ch %1 down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>swap Ch %1 with Ch %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2; %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (row skipped)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no CSV header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: not a CHIRP CSV header; missing column(s) %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no channel row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location %1 is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location %1 is not a channel of the radio (1..16)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location %1 appears on an earlier line too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mode %1 cannot be held: the radio has FM and NFM only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frequency %1 is not a number of MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the offset %1 is not a number of MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the duplex %1 is not one of +, -, split, off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CTCSS tone %1 Hz is not in the radio&apos;s list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the DCS code %1 is not in the radio&apos;s list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the DCS polarity %1 is not NN, NR, RN or RR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tone mode %1 is not one of Tone, TSQL, DTCS, Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cross mode %1 is not one the radio knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cross mode %1 mixes CTCSS and DCS; a channel holds one tone type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX %1 MHz is outside the %2 band (%3..%4 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX %1 MHz is outside the %2 band (%3..%4 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX %1 MHz is not on the channel steps: taken as %2 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX %1 MHz is not on the channel steps: taken as %2 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power %1 taken as Low: below 2 W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power %1 taken as High: 2 W or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power %1 is not High, Low or watts: taken as High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rows %1 did not fit: %2 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 did not fit: %2 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the step pair %1 would hold it (channel spacing, a radio-wide hardware setting, shown but not changed under Settings &gt; Hardware): %2 more rows would then fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the step pair %1 would hold it exactly (channel spacing, a radio-wide hardware setting, shown but not changed under Settings &gt; Hardware): %2 more rows would then be held exactly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
