<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>MainMenu</name>
    <message>
        <location filename="../main_window/main_menu.cpp" line="31" />
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="32" />
        <source>新局(&amp;N)	Ctrl+N</source>
        <translation>&amp;New Game	Ctrl+N</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="33" />
        <source>打开(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="34" />
        <source>摆子(&amp;L)...</source>
        <translation>Set Up Position (&amp;L)...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="36" />
        <source>打开棋库(&amp;D)...</source>
        <translation>Open &amp;Database...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="37" />
        <source>新建棋库(&amp;B)...</source>
        <translation>New Data&amp;base...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="38" />
        <source>导入到棋库(&amp;I)...</source>
        <translation>&amp;Import into Database...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="40" />
        <source>保存(&amp;S)	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="41" />
        <source>另存为(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="42" />
        <source>复制局面(&amp;C)	Ctrl+Shift+C</source>
        <translation>&amp;Copy Position	Ctrl+Shift+C</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="43" />
        <source>粘贴局面(&amp;V)	Ctrl+Shift+V</source>
        <translation>Paste Position (&amp;V)	Ctrl+Shift+V</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="45" />
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="48" />
        <source>操作(&amp;O)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="49" />
        <source>悔棋(&amp;Z)	Ctrl+Z</source>
        <translation>Take Back (&amp;Z)	Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="50" />
        <source>重下(&amp;Y)	Ctrl+Y</source>
        <translation>Replay (&amp;Y)	Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="52" />
        <source>电脑走子(&amp;A)	Ctrl+A</source>
        <translation>Computer Moves (&amp;A)	Ctrl+A</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="53" />
        <source>立即出招(&amp;C)	Ctrl+C</source>
        <translation>Move Now (&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="54" />
        <source>分析棋局(&amp;N)</source>
        <translation>A&amp;nalyse Position</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="55" />
        <source>停止思考(&amp;T)</source>
        <translation>S&amp;top Thinking</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="57" />
        <source>复盘分析(&amp;R)...</source>
        <translation>&amp;Review Game...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="60" />
        <source>设置(&amp;C)</source>
        <translation>Settings (&amp;C)</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="61" />
        <source>旋转棋盘(&amp;R)	Ctrl+R</source>
        <translation>&amp;Rotate Board	Ctrl+R</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="62" />
        <source>保留变着</source>
        <translation>Keep Variations</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="68" />
        <source>时限(&amp;I)...</source>
        <translation>T&amp;ime Controls...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="63" />
        <source>记谱方式(&amp;N)</source>
        <translation>&amp;Notation</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="64" />
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="65" />
        <source>WXF</source>
        <translation>WXF</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="66" />
        <source>坐标</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="68" />
        <source>棋子样式(&amp;P)</source>
        <translation>&amp;Pieces</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="69" />
        <source>中文棋子</source>
        <translation>Chinese Characters</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="70" />
        <source>国际符号</source>
        <translation>Western Symbols</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="72" />
        <source>语言(Language)</source>
        <translation>Language (语言)</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="73" />
        <source>跟随系统</source>
        <translation>As the System</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="78" />
        <source>对弈模式(&amp;M)</source>
        <translation>Game &amp;Mode</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="79" />
        <source>人机对弈(&amp;C)</source>
        <translation>Against the &amp;Computer</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="80" />
        <source>两人对弈(&amp;H)</source>
        <translation>Two &amp;Humans</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="81" />
        <source>电脑演示(&amp;D)</source>
        <translation>Computer &amp;Demonstration</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="83" />
        <source>先后手(&amp;S)</source>
        <translation>&amp;Sides</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="84" />
        <source>电脑执红</source>
        <translation>Computer Plays Red</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="85" />
        <source>电脑执黑</source>
        <translation>Computer Plays Black</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="88" />
        <source>电脑水平(&amp;L)</source>
        <translation>Computer &amp;Level</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="89" />
        <source>初级(&amp;L)</source>
        <translation>Beginner (&amp;L)</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="90" />
        <source>中级(&amp;M)</source>
        <translation>Intermediate (&amp;M)</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="91" />
        <source>高级(&amp;H)</source>
        <translation>Advanced (&amp;H)</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="92" />
        <source>自定义(&amp;C)...</source>
        <translation>&amp;Custom...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="94" />
        <source>电脑思考(&amp;T)</source>
        <translation>Computer &amp;Thinking</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="95" />
        <source>开局库</source>
        <translation>Opening Book</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="96" />
        <source>后台思考</source>
        <translation>Think on the Opponent's Time</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="98" />
        <source>以上两项只用于内置引擎 Morlan</source>
        <translation>The two above are for the built-in engine Morlan only</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="100" />
        <source>引擎管理(&amp;G)...</source>
        <translation>En&amp;gines...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="102" />
        <source>效果(&amp;E)</source>
        <translation>&amp;Effects</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="103" />
        <source>走子动画(&amp;A)</source>
        <translation>Move &amp;Animation</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="104" />
        <source>落子声音(&amp;S)</source>
        <translation>Move &amp;Sound</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="108" />
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="109" />
        <source>计时(&amp;T)	Ctrl+1</source>
        <translation>Clock (&amp;T)	Ctrl+1</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="110" />
        <source>棋局信息(&amp;I)	Ctrl+2</source>
        <translation>Game &amp;Information	Ctrl+2</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="111" />
        <source>开局库(&amp;B)	Ctrl+3</source>
        <translation>Opening &amp;Book	Ctrl+3</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="112" />
        <source>局势(&amp;S)	Ctrl+4</source>
        <translation>&amp;Situation	Ctrl+4</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="113" />
        <source>局势图(&amp;G)</source>
        <translation>Score &amp;Graph</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="114" />
        <source>开局浏览(&amp;X)</source>
        <translation>Opening E&amp;xplorer</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="116" />
        <source>引擎通信(&amp;E)</source>
        <translation>&amp;Engine Log</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="117" />
        <source>分析箭头(&amp;W)</source>
        <translation>Best Move Arro&amp;w</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="118" />
        <source>棋盘大小(&amp;D)</source>
        <translation>Boar&amp;d Size</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="119" />
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="120" />
        <source>125%</source>
        <translation>125%</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="121" />
        <source>150%</source>
        <translation>150%</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="122" />
        <source>200%</source>
        <translation>200%</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="123" />
        <source>250%</source>
        <translation>250%</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="127" />
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="128" />
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../main_window/language_menu.cpp" line="25" />
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location filename="../main_window/language_menu.cpp" line="26" />
        <source>所选语言在程序下次启动时生效。</source>
        <translation>The language chosen is used from the next start of the program.</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="168" />
        <source>新局</source>
        <translation>New Game</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="168" />
        <source>打开文件</source>
        <translation>Open File</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="168" />
        <source>摆子</source>
        <translation>Set Up Position</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="169" />
        <source>保存文件</source>
        <translation>Save File</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="169" />
        <source>悔棋</source>
        <translation>Take Back</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="170" />
        <source>重下</source>
        <translation>Replay</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="170" />
        <source>电脑走子</source>
        <translation>Computer Moves</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="171" />
        <source>立即出招</source>
        <translation>Move Now</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="171" />
        <source>分析棋局</source>
        <translation>Analyse Position</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="171" />
        <source>停止思考</source>
        <translation>Stop Thinking</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="172" />
        <source>旋转棋盘</source>
        <translation>Rotate Board</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="173" />
        <source>关于</source>
        <translation>About</translation>
    </message>
</context>
</TS>
