<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>MainMenu</name>
    <message>
        <location filename="../main_window/main_menu.cpp" line="31"/>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="32"/>
        <source>新局(&amp;N)	Ctrl+N</source>
        <translation>&amp;New Game	Ctrl+N</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="33"/>
        <source>打开(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="34"/>
        <source>摆子(&amp;L)...</source>
        <translation>Set Up Position (&amp;L)...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="36"/>
        <source>打开棋库(&amp;D)...</source>
        <translation>Open &amp;Database...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="37"/>
        <source>新建棋库(&amp;B)...</source>
        <translation>New Data&amp;base...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="38"/>
        <source>导入到棋库(&amp;I)...</source>
        <translation>&amp;Import into Database...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="40"/>
        <source>保存(&amp;S)	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="41"/>
        <source>另存为(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="42"/>
        <source>复制局面(&amp;C)	Ctrl+Shift+C</source>
        <translation>&amp;Copy Position	Ctrl+Shift+C</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="43"/>
        <source>粘贴局面(&amp;V)	Ctrl+Shift+V</source>
        <translation>Paste Position (&amp;V)	Ctrl+Shift+V</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="45"/>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="48"/>
        <source>操作(&amp;O)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="49"/>
        <source>悔棋(&amp;Z)	Ctrl+Z</source>
        <translation>Take Back (&amp;Z)	Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="50"/>
        <source>重下(&amp;Y)	Ctrl+Y</source>
        <translation>Replay (&amp;Y)	Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="52"/>
        <source>电脑走子(&amp;A)	Ctrl+A</source>
        <translation>Computer Moves (&amp;A)	Ctrl+A</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="53"/>
        <source>立即出招(&amp;C)	Ctrl+C</source>
        <translation>Move Now (&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="54"/>
        <source>分析棋局(&amp;N)</source>
        <translation>A&amp;nalyse Position</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="55"/>
        <source>停止思考(&amp;T)</source>
        <translation>S&amp;top Thinking</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="56"/>
        <source>持续分析</source>
        <translation>Keep Analysing</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="58"/>
        <source>复盘分析(&amp;R)...</source>
        <translation>&amp;Review Game...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="59"/>
        <source>引擎比赛(&amp;M)...</source>
        <translation>Engine &amp;Match...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="62"/>
        <source>设置(&amp;C)</source>
        <translation>Settings (&amp;C)</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="63"/>
        <source>旋转棋盘(&amp;R)	Ctrl+R</source>
        <translation>&amp;Rotate Board	Ctrl+R</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="64"/>
        <source>保留变着</source>
        <translation>Keep Variations</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="65"/>
        <source>重复局面裁决</source>
        <translation>Repetition Rulings</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="66"/>
        <source>不裁决</source>
        <translation>No Rulings</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="67"/>
        <source>亚洲规则</source>
        <translation>Asian Rules</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="69"/>
        <source>时限(&amp;I)...</source>
        <translation>&amp;Time Control...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="70"/>
        <source>记谱方式(&amp;N)</source>
        <translation>&amp;Notation</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="71"/>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="72"/>
        <source>WXF</source>
        <translation>WXF</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="73"/>
        <source>坐标</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="75"/>
        <source>棋子样式(&amp;P)</source>
        <translation>&amp;Pieces</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="76"/>
        <source>中文棋子</source>
        <translation>Chinese Characters</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="77"/>
        <source>国际符号</source>
        <translation>Western Symbols</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="79"/>
        <source>语言(Language)</source>
        <translation>Language (语言)</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="80"/>
        <source>跟随系统</source>
        <translation>As the System</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="85"/>
        <source>对弈模式(&amp;M)</source>
        <translation>Game &amp;Mode</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="86"/>
        <source>人机对弈(&amp;C)</source>
        <translation>Against the &amp;Computer</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="87"/>
        <source>两人对弈(&amp;H)</source>
        <translation>Two &amp;Humans</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="88"/>
        <source>电脑演示(&amp;D)</source>
        <translation>Computer &amp;Demonstration</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="90"/>
        <source>先后手(&amp;S)</source>
        <translation>&amp;Sides</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="91"/>
        <source>电脑执红</source>
        <translation>Computer Plays Red</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="92"/>
        <source>电脑执黑</source>
        <translation>Computer Plays Black</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="95"/>
        <source>电脑水平(&amp;L)</source>
        <translation>Computer &amp;Level</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="96"/>
        <source>初级(&amp;L)</source>
        <translation>Beginner (&amp;L)</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="97"/>
        <source>中级(&amp;M)</source>
        <translation>Intermediate (&amp;M)</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="98"/>
        <source>高级(&amp;H)</source>
        <translation>Advanced (&amp;H)</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="99"/>
        <source>自定义(&amp;C)...</source>
        <translation>&amp;Custom...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="101"/>
        <source>电脑思考(&amp;T)</source>
        <translation>Computer &amp;Thinking</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="102"/>
        <source>开局库</source>
        <translation>Opening Book</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="103"/>
        <source>后台思考</source>
        <translation>Think on the Opponent&apos;s Time</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="105"/>
        <source>以上两项只用于内置引擎 Morlan</source>
        <translation>The two above are for the built-in engine Morlan only</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="107"/>
        <source>引擎管理(&amp;G)...</source>
        <translation>En&amp;gines...</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="109"/>
        <source>效果(&amp;E)</source>
        <translation>&amp;Effects</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="110"/>
        <source>走子动画(&amp;A)</source>
        <translation>Move &amp;Animation</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="111"/>
        <source>落子声音(&amp;S)</source>
        <translation>Move &amp;Sound</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="115"/>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="116"/>
        <source>计时(&amp;T)	Ctrl+1</source>
        <translation>Clock (&amp;T)	Ctrl+1</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="117"/>
        <source>棋局信息(&amp;I)	Ctrl+2</source>
        <translation>Game &amp;Information	Ctrl+2</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="118"/>
        <source>开局库(&amp;B)	Ctrl+3</source>
        <translation>Opening &amp;Book	Ctrl+3</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="119"/>
        <source>局势(&amp;S)	Ctrl+4</source>
        <translation>&amp;Situation	Ctrl+4</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="120"/>
        <source>局势图(&amp;G)</source>
        <translation>Score &amp;Graph</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="121"/>
        <source>开局浏览(&amp;X)</source>
        <translation>Opening E&amp;xplorer</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="123"/>
        <source>引擎通信(&amp;E)</source>
        <translation>&amp;Engine Log</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="124"/>
        <source>分析箭头(&amp;W)</source>
        <translation>Best Move Arro&amp;w</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="125"/>
        <source>棋盘大小(&amp;D)</source>
        <translation>Boar&amp;d Size</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="126"/>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="127"/>
        <source>125%</source>
        <translation>125%</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="128"/>
        <source>150%</source>
        <translation>150%</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="129"/>
        <source>200%</source>
        <translation>200%</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="130"/>
        <source>250%</source>
        <translation>250%</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="134"/>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../main_window/main_menu.cpp" line="135"/>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../main_window/language_menu.cpp" line="25"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location filename="../main_window/language_menu.cpp" line="26"/>
        <source>所选语言在程序下次启动时生效。</source>
        <translation>The language chosen is used from the next start of the program.</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="226"/>
        <source>新局</source>
        <translation>New Game</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="227"/>
        <source>打开文件</source>
        <translation>Open File</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="228"/>
        <source>摆子</source>
        <translation>Set Up Position</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="229"/>
        <source>保存文件</source>
        <translation>Save File</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="231"/>
        <source>悔棋</source>
        <translation>Take Back</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="232"/>
        <source>重下</source>
        <translation>Replay</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="234"/>
        <source>电脑走子</source>
        <translation>Computer Moves</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="235"/>
        <source>立即出招</source>
        <translation>Move Now</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="236"/>
        <source>分析棋局</source>
        <translation>Analyse Position</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="237"/>
        <source>停止思考</source>
        <translation>Stop Thinking</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="239"/>
        <source>旋转棋盘</source>
        <translation>Rotate Board</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="241"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <location filename="../../engines/engine_client.cpp" line="88"/>
        <source>找不到引擎程序 %1，或它不能执行</source>
        <translation>The engine program %1 cannot be found or cannot be run</translation>
    </message>
    <message>
        <location filename="../../engines/engine_client.cpp" line="153"/>
        <source>引擎 %1 不下中国象棋</source>
        <translation>The engine %1 does not play Xiangqi</translation>
    </message>
    <message>
        <location filename="../../engines/engine_client.cpp" line="335"/>
        <source>引擎 %1 没有给出着法，而当前局面有合法着法</source>
        <translation>The engine %1 gave no move, though the position has legal moves</translation>
    </message>
    <message>
        <location filename="../../engines/engine_client.cpp" line="341"/>
        <source>引擎 %1 的着法 %2 无法识别</source>
        <translation>The move %2 of the engine %1 cannot be read</translation>
    </message>
    <message>
        <location filename="../../engines/engine_client.cpp" line="343"/>
        <source>引擎 %1 走了不合法的着法 %2</source>
        <translation>The engine %1 played the illegal move %2</translation>
    </message>
    <message>
        <location filename="../../engines/engine_client.cpp" line="367"/>
        <source>引擎 %1 意外退出</source>
        <translation>The engine %1 quit unexpectedly</translation>
    </message>
    <message>
        <location filename="../../engines/engine_client.cpp" line="383"/>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="156"/>
        <source>引擎程序 %1 不能启动</source>
        <translation>The engine program %1 cannot be started</translation>
    </message>
    <message>
        <location filename="../../engines/engine_client.cpp" line="417"/>
        <source>引擎 %1 在 %2 秒内没有完成握手</source>
        <translation>The engine %1 did not finish its handshake within %2 seconds</translation>
    </message>
    <message>
        <location filename="../../engines/engine_client.cpp" line="423"/>
        <source>引擎 %1 超时没有回答</source>
        <translation>The engine %1 did not answer in time</translation>
    </message>
    <message>
        <location filename="../../engines/engine_client.cpp" line="467"/>
        <source>引擎 %1 输出无法识别的内容</source>
        <translation>The engine %1 wrote output that cannot be read</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="50"/>
        <source>&quot;%1&quot; 不是文字</source>
        <translation>&quot;%1&quot; is not text</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="60"/>
        <source>&quot;%1&quot; 不是数</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="65"/>
        <source>选项不是对象</source>
        <translation>An option is not an object</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="73"/>
        <source>选项“%1”的类型不明</source>
        <translation>The option &quot;%1&quot; has an unknown type</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="79"/>
        <source>引擎不是对象</source>
        <translation>An engine is not an object</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="85"/>
        <source>引擎“%1”没有程序</source>
        <translation>The engine &quot;%1&quot; has no program</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="87"/>
        <source>&quot;options&quot; 不是列表</source>
        <translation>&quot;options&quot; is not a list</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="94"/>
        <source>&quot;values&quot; 不是对象</source>
        <translation>&quot;values&quot; is not an object</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="97"/>
        <source>选项“%1”的值不是文字</source>
        <translation>The value of the option &quot;%1&quot; is not text</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="211"/>
        <source>第 %1 字节处：%2</source>
        <translation>At byte %1: %2</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="213"/>
        <source>内容不是对象</source>
        <translation>The content is not an object</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="217"/>
        <source>没有 &quot;engines&quot; 列表</source>
        <translation>There is no &quot;engines&quot; list</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="222"/>
        <source>程序“%1”出现两次</source>
        <translation>The program &quot;%1&quot; is listed twice</translation>
    </message>
    <message>
        <location filename="../../engines/engine_list.cpp" line="249"/>
        <source>文件太大</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <location filename="../../engines/engine_roster.cpp" line="40"/>
        <source>引擎列表 %1 无法读取：%2。
现在只用内置引擎 %3。
</source>
        <translation>The engine list %1 cannot be read: %2.
Only the built-in engine %3 is used now.
</translation>
    </message>
    <message>
        <location filename="../../engines/engine_roster.cpp" line="43"/>
        <source>原文件已改名为 %1 保留，可以修好后改回原名。</source>
        <translation>The file was kept under the name %1; mend it and give it back its name.</translation>
    </message>
    <message>
        <location filename="../../engines/engine_roster.cpp" line="46"/>
        <source>原文件无法改名，保留未动；本次运行中对引擎列表的改动不会写入。</source>
        <translation>The file could not be renamed and was left as it is; changes to the engine list are not written during this run.</translation>
    </message>
    <message>
        <location filename="../../engines/engine_roster.cpp" line="57"/>
        <source>引擎列表 %1 已损坏且未能移开，改动没有写入。</source>
        <translation>The engine list %1 is damaged and could not be moved aside; the changes were not written.</translation>
    </message>
    <message>
        <location filename="../../engines/engine_roster.cpp" line="62"/>
        <source>引擎列表 %1 无法写入：%2</source>
        <translation>The engine list %1 cannot be written: %2</translation>
    </message>
    <message>
        <location filename="../../engines/engine_roster.cpp" line="139"/>
        <source>已连接：%1</source>
        <translation>Connected: %1</translation>
    </message>
    <message>
        <location filename="../../engines/engine_roster.cpp" line="152"/>
        <source>失败：%1</source>
        <translation>Failed: %1</translation>
    </message>
    <message>
        <location filename="../../engines/engine_roster.cpp" line="163"/>
        <source>%1
已停止这个引擎，改由内置引擎 %2 接替。</source>
        <translation>%1
This engine was stopped; the built-in engine %2 takes over.</translation>
    </message>
    <message>
        <location filename="../../engines/engine_session.cpp" line="63"/>
        <source>引擎 %1 不接受这个局面</source>
        <translation>The engine %1 does not accept this position</translation>
    </message>
    <message>
        <location filename="../../review/review_session.cpp" line="39"/>
        <source>内置引擎 Morlan</source>
        <translation>Built-in engine Morlan</translation>
    </message>
    <message>
        <location filename="../../review/review_session.cpp" line="54"/>
        <source>棋谱中还没有着法，无从复盘。</source>
        <translation>The record has no moves yet: there is nothing to review.</translation>
    </message>
    <message>
        <location filename="../../review/review_session.cpp" line="62"/>
        <source>正在复盘分析，请先取消复盘。</source>
        <translation>A review is running; cancel the review first.</translation>
    </message>
    <message>
        <location filename="../../review/review_session.cpp" line="80"/>
        <source>无法复盘：</source>
        <translation>Cannot review: </translation>
    </message>
    <message>
        <location filename="../../review/review_session.cpp" line="119"/>
        <source>复盘中断：</source>
        <translation>Review interrupted: </translation>
    </message>
    <message>
        <location filename="../dialogs/about_dialog.cpp" line="31"/>
        <source>中国象棋对弈程序</source>
        <translation>A program to play Xiangqi (Chinese chess)</translation>
    </message>
    <message>
        <location filename="../dialogs/about_dialog.cpp" line="32"/>
        <source>程序与引擎：Morlan 项目组</source>
        <translation>Program and engine: the Morlan project</translation>
    </message>
    <message>
        <location filename="../dialogs/about_dialog.cpp" line="33"/>
        <source>界面使用 Qt 6，压缩使用 zlib</source>
        <translation>Interface with Qt 6, compression with zlib</translation>
    </message>
    <message>
        <location filename="../dialogs/about_dialog.cpp" line="35"/>
        <source>英文翻译：Morlan 项目组</source>
        <translation>English translation: the Morlan project</translation>
    </message>
    <message>
        <location filename="../dialogs/about_dialog.cpp" line="36"/>
        <source>开局库数据：</source>
        <translation>Opening book data:</translation>
    </message>
    <message>
        <location filename="../dialogs/about_dialog.cpp" line="56"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../dialogs/about_dialog.cpp" line="80"/>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="66"/>
        <location filename="../dialogs/engine_options_dialog.cpp" line="72"/>
        <location filename="../dialogs/level_dialog.cpp" line="65"/>
        <location filename="../dialogs/match_dialog.cpp" line="127"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="141"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="22"/>
        <source>棋库 (*.db);;所有文件 (*)</source>
        <translation>Game databases (*.db);;All files (*)</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="23"/>
        <source>棋谱 (*.pgn *.pgn.gz *.PGN *.xqf *.XQF);;所有文件 (*)</source>
        <translation>Game records (*.pgn *.pgn.gz *.PGN *.xqf *.XQF);;All files (*)</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="32"/>
        <location filename="../dialogs/database_commands.cpp" line="58"/>
        <location filename="../dialogs/database_commands.cpp" line="119"/>
        <source>打开棋库</source>
        <translation>Open Database</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="37"/>
        <source>导入 %1 局，重复 %2 局，拒绝 %3 局</source>
        <translation>%1 games imported, %2 duplicates, %3 refused</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="38"/>
        <source>（已取消，之前导入的棋局都已保存）</source>
        <translation> (cancelled; the games imported before are all kept)</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="56"/>
        <source>新建棋库</source>
        <translation>New Database</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="91"/>
        <location filename="../dialogs/database_commands.cpp" line="97"/>
        <location filename="../dialogs/database_commands.cpp" line="112"/>
        <source>导入到棋库</source>
        <translation>Import into Database</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="96"/>
        <source>正在导入棋局……</source>
        <translation>Importing games...</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="96"/>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="67"/>
        <location filename="../dialogs/engine_options_dialog.cpp" line="73"/>
        <location filename="../dialogs/level_dialog.cpp" line="66"/>
        <location filename="../dialogs/match_dialog.cpp" line="136"/>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="182"/>
        <location filename="../dialogs/review_dialog.cpp" line="90"/>
        <location filename="../dialogs/review_progress_window.cpp" line="34"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="144"/>
        <location filename="../main_window/record_opening.cpp" line="44"/>
        <location filename="../windows/setup_window.cpp" line="129"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="105"/>
        <source>正在导入棋局…… %1 局</source>
        <translation>Importing games... %1 games</translation>
    </message>
    <message>
        <location filename="../dialogs/database_commands.cpp" line="119"/>
        <source>无法读取第 %1 局</source>
        <translation>Game %1 cannot be read</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="29"/>
        <location filename="../platform/crash_handler.cpp" line="286"/>
        <location filename="../platform/text_catalog.cpp" line="45"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="38"/>
        <source>引擎管理</source>
        <translation>Engine Manager</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="42"/>
        <location filename="../dialogs/review_dialog.cpp" line="77"/>
        <source>引擎</source>
        <translation>Engine</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="42"/>
        <source>程序</source>
        <translation>Program</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="46"/>
        <source>添加...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="47"/>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="48"/>
        <source>选项...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="57"/>
        <source>电脑对弈</source>
        <translation>Plays against you</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="58"/>
        <source>分析</source>
        <translation>Analyses</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="63"/>
        <source>开局库和后台思考只用于内置引擎 %1。</source>
        <translation>The opening book and thinking on the opponent&apos;s time serve only the built-in engine %1.</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="95"/>
        <source>（内置）</source>
        <translation>(built in)</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="124"/>
        <source>选择引擎程序</source>
        <translation>Choose an Engine Program</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="142"/>
        <source>%1 已在引擎列表中。</source>
        <translation>%1 is already in the engine list.</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="154"/>
        <source>正在连接 %1 ...</source>
        <translation>Connecting to %1 ...</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="167"/>
        <source>已添加 %1（%2）</source>
        <translation>Added %1 (%2)</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_manager_dialog.cpp" line="174"/>
        <source>未能添加：%1</source>
        <translation>Not added: %1</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_options_dialog.cpp" line="25"/>
        <source>选项 - %1</source>
        <translation>Options - %1</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_options_dialog.cpp" line="67"/>
        <source>这个引擎没有可以设定的选项。</source>
        <translation>This engine has no options to set.</translation>
    </message>
    <message>
        <location filename="../dialogs/engine_options_dialog.cpp" line="74"/>
        <source>恢复默认</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="22"/>
        <source>着法</source>
        <translation>Move</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="22"/>
        <source>局数</source>
        <translation>Games</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="22"/>
        <source>红胜</source>
        <translation>Red wins</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="22"/>
        <source>和</source>
        <translation>Draws</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="22"/>
        <source>黑胜</source>
        <translation>Black wins</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="22"/>
        <source>平均年份</source>
        <translation>Average year</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="23"/>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="22"/>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="23"/>
        <location filename="../dialogs/match_window.cpp" line="31"/>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="22"/>
        <location filename="../dialogs/review_dialog.cpp" line="25"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="24"/>
        <location filename="../platform/text_catalog.cpp" line="36"/>
        <location filename="../windows/engine_lines_panel.cpp" line="73"/>
        <location filename="../windows/engine_lines_panel.cpp" line="135"/>
        <location filename="../windows/game_info_window.cpp" line="46"/>
        <location filename="../windows/setup_window.cpp" line="123"/>
        <source>红方</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="23"/>
        <location filename="../dialogs/match_window.cpp" line="31"/>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="22"/>
        <location filename="../dialogs/review_dialog.cpp" line="25"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="24"/>
        <location filename="../platform/text_catalog.cpp" line="37"/>
        <location filename="../windows/engine_lines_panel.cpp" line="73"/>
        <location filename="../windows/engine_lines_panel.cpp" line="135"/>
        <location filename="../windows/game_info_window.cpp" line="46"/>
        <location filename="../windows/setup_window.cpp" line="124"/>
        <source>黑方</source>
        <translation>Black</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="23"/>
        <location filename="../dialogs/match_window.cpp" line="31"/>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="22"/>
        <location filename="../windows/game_info_window.cpp" line="47"/>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="23"/>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="22"/>
        <location filename="../windows/game_info_window.cpp" line="46"/>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="23"/>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="22"/>
        <source>赛事</source>
        <translation>Event</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="82"/>
        <source>开局浏览</source>
        <translation>Opening Explorer</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="133"/>
        <source>没有打开棋库（文件 → 打开棋库）</source>
        <translation>No database is open (File → Open Database)</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="138"/>
        <source>%1：本局面 %2 局</source>
        <translation>%1: %2 games in this position</translation>
    </message>
    <message>
        <location filename="../dialogs/explorer_window.cpp" line="174"/>
        <source>大师着法：%1（两人对弈时点击可走）</source>
        <translation>Master move: %1 (click to play it in a two-player game)</translation>
    </message>
    <message>
        <location filename="../dialogs/level_dialog.cpp" line="14"/>
        <source>水平</source>
        <translation>Level</translation>
    </message>
    <message>
        <location filename="../dialogs/level_dialog.cpp" line="59"/>
        <location filename="../dialogs/match_dialog.cpp" line="241"/>
        <location filename="../windows/engine_lines_panel.cpp" line="94"/>
        <source>深度</source>
        <translation>Depth</translation>
    </message>
    <message>
        <location filename="../dialogs/level_dialog.cpp" line="61"/>
        <source>层</source>
        <translation>plies</translation>
    </message>
    <message>
        <location filename="../dialogs/level_dialog.cpp" line="62"/>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <location filename="../dialogs/level_dialog.cpp" line="64"/>
        <source>秒/步</source>
        <translation>s/move</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="239"/>
        <location filename="../dialogs/match_window.cpp" line="31"/>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="22"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="67"/>
        <source>步数</source>
        <translation>Plies</translation>
    </message>
    <message>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="151"/>
        <source>选择棋局 - %1</source>
        <translation>Choose a Game - %1</translation>
    </message>
    <message>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="155"/>
        <source>输入文字筛选棋局</source>
        <translation>Type to filter the games</translation>
    </message>
    <message>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="181"/>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="209"/>
        <source>共 %1 局</source>
        <translation>%1 games</translation>
    </message>
    <message>
        <location filename="../dialogs/pgn_game_chooser.cpp" line="210"/>
        <source>共 %1 局，符合 %2 局</source>
        <translation>%1 games, %2 matching</translation>
    </message>
    <message>
        <location filename="../dialogs/review_dialog.cpp" line="25"/>
        <source>双方</source>
        <translation>Both sides</translation>
    </message>
    <message>
        <location filename="../dialogs/review_dialog.cpp" line="55"/>
        <location filename="../dialogs/review_progress_window.cpp" line="26"/>
        <source>复盘分析</source>
        <translation>Game Review</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="34"/>
        <location filename="../dialogs/match_dialog.cpp" line="174"/>
        <location filename="../dialogs/match_dialog.cpp" line="240"/>
        <location filename="../dialogs/review_dialog.cpp" line="60"/>
        <source>每步时间</source>
        <translation>Time per move</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="59"/>
        <location filename="../dialogs/review_dialog.cpp" line="65"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="53"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="54"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="55"/>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="34"/>
        <location filename="../dialogs/match_dialog.cpp" line="175"/>
        <location filename="../dialogs/review_dialog.cpp" line="66"/>
        <source>搜索深度</source>
        <translation>Search depth</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="32"/>
        <source>两方对抗</source>
        <translation>Match of two</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="32"/>
        <source>循环赛</source>
        <translation>Round robin</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="32"/>
        <source>一对多</source>
        <translation>One against many</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="33"/>
        <source>标准开局</source>
        <translation>Standard start</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="33"/>
        <source>FEN/EPD 文件</source>
        <translation>FEN/EPD file</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="33"/>
        <source>PGN 文件</source>
        <translation>PGN file</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="34"/>
        <source>按比赛计时</source>
        <translation>By the match clock</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="34"/>
        <source>初级</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="34"/>
        <source>中级</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="34"/>
        <source>高级</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="37"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="23"/>
        <source>包干</source>
        <translation>Sudden death</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="37"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="23"/>
        <source>加秒</source>
        <translation>Increment</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="37"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="23"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="65"/>
        <location filename="../windows/game_clock.cpp" line="70"/>
        <source>读秒</source>
        <translation>Byoyomi</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="37"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="23"/>
        <source>步数限时</source>
        <translation>Moves in time</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="37"/>
        <source>每步定时</source>
        <translation>Fixed time per move</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="37"/>
        <source>固定深度</source>
        <translation>Fixed depth</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="125"/>
        <source>比赛设置</source>
        <translation>Match Settings</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="159"/>
        <source>参赛引擎（勾选，按次序）</source>
        <translation>Engines (tick them, in order)</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="171"/>
        <location filename="../dialogs/match_dialog.cpp" line="233"/>
        <location filename="../dialogs/review_dialog.cpp" line="69"/>
        <source> 层</source>
        <translation> plies</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="173"/>
        <source>内置引擎</source>
        <translation>Built-in engine</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="186"/>
        <source>浏览...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="190"/>
        <source>比赛棋谱</source>
        <translation>Match Record</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="193"/>
        <location filename="../dialogs/match_dialog.cpp" line="220"/>
        <source>开局文件</source>
        <translation>Openings file</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="204"/>
        <source>赛制与开局</source>
        <translation>Format and openings</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="206"/>
        <location filename="../dialogs/match_dialog.cpp" line="208"/>
        <source> 局</source>
        <translation> games</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="211"/>
        <location filename="../dialogs/match_dialog.cpp" line="231"/>
        <location filename="../dialogs/match_dialog.cpp" line="250"/>
        <location filename="../dialogs/match_dialog.cpp" line="253"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="56"/>
        <source> 步</source>
        <translation> moves</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="212"/>
        <source>随机次序</source>
        <translation>Random order</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="214"/>
        <source>种子 </source>
        <translation>seed </translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="216"/>
        <source>赛制</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="217"/>
        <source>每对对局数</source>
        <translation>Games per pair</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="218"/>
        <source>同时进行</source>
        <translation>At the same time</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="219"/>
        <source>开局</source>
        <translation>Openings</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="221"/>
        <source>开局步数</source>
        <translation>Opening moves</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="227"/>
        <source>用时</source>
        <translation>Time</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="234"/>
        <source> 毫秒</source>
        <translation> ms</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="236"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="58"/>
        <source>方式</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="237"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="60"/>
        <source>基本时间</source>
        <translation>Base time</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="238"/>
        <source>加秒/读秒</source>
        <translation>Increment/byoyomi</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="242"/>
        <source>超时余量</source>
        <translation>Time-out margin</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="247"/>
        <source>裁决与记录</source>
        <translation>Adjudication and record</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="248"/>
        <source>判负：双方都认为落后至少</source>
        <translation>Resign: both engines see one side behind by at least</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="249"/>
        <location filename="../dialogs/match_dialog.cpp" line="252"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="52"/>
        <source> 分</source>
        <translation> points</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="251"/>
        <source>判和：双方评分都在 0 附近</source>
        <translation>Draw: both scores near 0</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="255"/>
        <source>第 </source>
        <translation>after move </translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="256"/>
        <source> 回合后</source>
        <translation> </translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="257"/>
        <source>重复局面按亚洲规则裁决</source>
        <translation>Rule repetitions by the Asian rules</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="258"/>
        <source>SPRT 检验（两方对抗）</source>
        <translation>SPRT test (match of two)</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="278"/>
        <source>中文记谱</source>
        <translation>Chinese notation</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="279"/>
        <source>坐标</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="284"/>
        <source>连续</source>
        <translation>in a row</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="296"/>
        <source>棋谱文件 (PGN)</source>
        <translation>Record file (PGN)</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="420"/>
        <source>请至少勾选两个引擎。</source>
        <translation>Please tick at least two engines.</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="421"/>
        <source>两方对抗只能勾选两个引擎。</source>
        <translation>A match of two takes exactly two engines.</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="422"/>
        <source>请选择保存棋谱的 PGN 文件。</source>
        <translation>Please choose the PGN file for the record.</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="424"/>
        <source>找不到开局文件。</source>
        <translation>The openings file cannot be found.</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="426"/>
        <source>用时设置不完整。</source>
        <translation>The time settings are incomplete.</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="427"/>
        <source>SPRT 检验只用于两方对抗。</source>
        <translation>The SPRT test is only for a match of two.</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="428"/>
        <source>SPRT 需要 elo0 小于 elo1，且 α 与 β 之和小于 1。</source>
        <translation>SPRT needs elo0 below elo1, and α plus β below 1.</translation>
    </message>
    <message>
        <location filename="../dialogs/review_dialog.cpp" line="83"/>
        <source>评判</source>
        <translation>Judge</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="31"/>
        <source>局</source>
        <translation>Game</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="31"/>
        <source>红方时间</source>
        <translation>Red&apos;s time</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="31"/>
        <source>黑方时间</source>
        <translation>Black&apos;s time</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="65"/>
        <source>引擎比赛</source>
        <translation>Engine Match</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="70"/>
        <source>设置...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="71"/>
        <location filename="../dialogs/review_dialog.cpp" line="87"/>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="72"/>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="92"/>
        <source>显示最新一局</source>
        <translation>Show the latest game</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="126"/>
        <source>成绩</source>
        <translation>Standings</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="189"/>
        <source>比赛开始，已有 %1 局在棋谱中</source>
        <translation>The match has started; %1 games already in the record</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="197"/>
        <source>正在停止，进行中的对局不记录……</source>
        <translation>Stopping; games in progress are not recorded...</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="206"/>
        <source>比赛结束</source>
        <translation>The match is over</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="207"/>
        <source>比赛结束（%1）</source>
        <translation>The match is over (%1)</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="266"/>
        <source>进行中</source>
        <translation>In progress</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="288"/>
        <source>第 %1 局  红方 %2 － 黑方 %3  %4</source>
        <translation>Game %1  Red %2 - Black %3  %4</translation>
    </message>
    <message>
        <location filename="../dialogs/match_window.cpp" line="308"/>
        <source>比赛正在进行。停止比赛吗？已完成的对局保留在棋谱文件中。</source>
        <translation>A match is running. Stop it? The finished games stay in the record file.</translation>
    </message>
    <message>
        <location filename="../dialogs/review_progress_window.cpp" line="17"/>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../dialogs/review_progress_window.cpp" line="18"/>
        <source>%1 分 %2 秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <location filename="../dialogs/review_progress_window.cpp" line="29"/>
        <source>正在准备</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <location filename="../dialogs/review_progress_window.cpp" line="59"/>
        <source>正在分析第 %1 / %2 个局面</source>
        <translation>Analysing position %1 of %2</translation>
    </message>
    <message>
        <location filename="../dialogs/review_progress_window.cpp" line="60"/>
        <source>已分析 %1 个局面</source>
        <translation>%1 positions analysed</translation>
    </message>
    <message>
        <location filename="../dialogs/review_progress_window.cpp" line="63"/>
        <source>剩余约 </source>
        <translation>About this much left: </translation>
    </message>
    <message>
        <location filename="../dialogs/score_graph.cpp" line="75"/>
        <source>尚无复盘（操作 → 复盘分析...）</source>
        <translation>No review yet (Actions → Game Review...)</translation>
    </message>
    <message>
        <location filename="../dialogs/score_graph_window.cpp" line="30"/>
        <source>局势图</source>
        <translation>Score Graph</translation>
    </message>
    <message>
        <location filename="../dialogs/score_graph_window.cpp" line="37"/>
        <source>保存图片</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <location filename="../dialogs/score_graph_window.cpp" line="40"/>
        <location filename="../windows/book_window.cpp" line="36"/>
        <location filename="../windows/engine_log_window.cpp" line="36"/>
        <location filename="../windows/game_info_window.cpp" line="140"/>
        <location filename="../windows/situation_window.cpp" line="84"/>
        <location filename="../windows/timer_window.cpp" line="34"/>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../dialogs/score_graph_window.cpp" line="90"/>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <location filename="../dialogs/score_graph_window.cpp" line="92"/>
        <source>局势图.png</source>
        <translation>score-graph.png</translation>
    </message>
    <message>
        <location filename="../dialogs/score_graph_window.cpp" line="101"/>
        <source>无法写入 %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <location filename="../main_window/commands.cpp" line="40"/>
        <source>象棋文件 (*.sav)</source>
        <translation>Xiangqi files (*.sav)</translation>
    </message>
    <message>
        <location filename="../main_window/commands.cpp" line="41"/>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <location filename="../main_window/commands.cpp" line="42"/>
        <source>PGN 棋谱 (*.pgn)</source>
        <translation>PGN records (*.pgn)</translation>
    </message>
    <message>
        <location filename="../main_window/commands.cpp" line="43"/>
        <source>XQF 棋谱 (*.xqf)</source>
        <translation>XQF records (*.xqf)</translation>
    </message>
    <message>
        <location filename="../main_window/commands.cpp" line="44"/>
        <source>所有棋谱 (*.sav *.txt *.pgn *.pgn.gz *.xqf)</source>
        <translation>All records (*.sav *.txt *.pgn *.pgn.gz *.xqf)</translation>
    </message>
    <message>
        <location filename="../main_window/commands.cpp" line="47"/>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="50"/>
        <source>屏幕放不下：窗口需要 %1×%2，屏幕可用区域只有 %3×%4</source>
        <translation>Does not fit the screen: the window needs %1×%2, the screen has only %3×%4 free</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="406"/>
        <source>放弃</source>
        <translation>Drop</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="429"/>
        <source>继续</source>
        <translation>Continue</translation>
    </message>
    <message>
        <location filename="../main_window/menu_resources.cpp" line="54"/>
        <location filename="../windows/game_info_window.cpp" line="460"/>
        <source>复制棋谱(&amp;C)</source>
        <translation>&amp;Copy Record</translation>
    </message>
    <message>
        <location filename="../main_window/menu_resources.cpp" line="59"/>
        <source>还原(&amp;R)</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <location filename="../main_window/record_opening.cpp" line="44"/>
        <source>正在读取棋谱……</source>
        <translation>Reading the record...</translation>
    </message>
    <message>
        <location filename="../platform/crash_handler.cpp" line="286"/>
        <source>程序遇到未知错误</source>
        <translation>The program met an unknown error</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="15"/>
        <source>帅</source>
        <translation>King</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="16"/>
        <source>仕</source>
        <translation>Advisor</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="17"/>
        <source>相</source>
        <translation>Elephant</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="18"/>
        <source>马</source>
        <translation>Horse</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="19"/>
        <source>车</source>
        <translation>Chariot</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="20"/>
        <source>炮</source>
        <translation>Cannon</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="21"/>
        <source>兵</source>
        <translation>Pawn</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="22"/>
        <source>将</source>
        <translation>King</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="23"/>
        <source>士</source>
        <translation>Advisor</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="24"/>
        <source>象</source>
        <translation>Elephant</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="25"/>
        <source>卒</source>
        <translation>Pawn</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="26"/>
        <source>前</source>
        <translation>front</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="27"/>
        <source>后</source>
        <translation>rear</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="28"/>
        <source>中</source>
        <translation>middle</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="29"/>
        <source>进</source>
        <translation>forward</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="30"/>
        <source>退</source>
        <translation>backward</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="31"/>
        <source>平</source>
        <translation>sideways</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="32"/>
        <source>对弈中</source>
        <translation>In play</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="33"/>
        <source>红方胜</source>
        <translation>Red wins</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="34"/>
        <source>黑方胜</source>
        <translation>Black wins</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="35"/>
        <source>和棋</source>
        <translation>Draw</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="38"/>
        <source>长将，判负</source>
        <translation>loses by perpetual check</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="39"/>
        <source>长捉，判负</source>
        <translation>loses by perpetual chase</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="40"/>
        <source>长捉须由裁判判定，判和</source>
        <translation>chases perpetually: a referee must decide; ruled a draw</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="41"/>
        <source>重复局面判和</source>
        <translation>Repetition: a draw</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="42"/>
        <source>超时，判负</source>
        <translation>loses on time</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="43"/>
        <source>超时，对方无进攻子力，判和</source>
        <translation>ran out of time, but the opponent has no attacking pieces left: a draw</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="44"/>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="134"/>
        <location filename="../dialogs/match_window.cpp" line="181"/>
        <location filename="../dialogs/match_window.cpp" line="307"/>
        <location filename="../platform/text_catalog.cpp" line="46"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="47"/>
        <source>将(帅)被将军</source>
        <translation>The king is in check</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="48"/>
        <source>%1年%2月%3日</source>
        <translation>%1-%2-%3</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="49"/>
        <source>年</source>
        <translation>year</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="50"/>
        <source>月</source>
        <translation>month</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="51"/>
        <source>日</source>
        <translation>day</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="52"/>
        <source>日期：</source>
        <translation>Date: </translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="53"/>
        <source>时限：</source>
        <translation>Time control: </translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="54"/>
        <source>玩家</source>
        <translation>Player</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="55"/>
        <source>Morlan</source>
        <translation>Morlan</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="56"/>
        <source>找不到文件 %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="57"/>
        <source>%1 文件格式不正确</source>
        <translation>%1: the file&apos;s format is not right</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="58"/>
        <source>保存文件 %1 失败</source>
        <translation>Saving the file %1 failed</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="59"/>
        <source>上次程序结束时棋局尚未保存，已存到 %1</source>
        <translation>The game was not saved when the program last ended; it was kept in %1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="60"/>
        <source>恢复-</source>
        <translation>recovered-</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="61"/>
        <source>保存当前对局吗？</source>
        <translation>Save the current game?</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="62"/>
        <source>棋子摆放不正确</source>
        <translation>The pieces are not placed correctly</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="63"/>
        <source>不是正确的 FEN 局面</source>
        <translation>Not a correct FEN position</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="64"/>
        <source>第%1局</source>
        <translation>Game %1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="65"/>
        <source>没有第%1局</source>
        <translation>There is no game %1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="66"/>
        <source>第%1步 %2 不合规则</source>
        <translation>Move %1, %2, is illegal</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="67"/>
        <source>开局局面不合规则</source>
        <translation>The starting position is illegal</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="68"/>
        <source>棋谱太大，无法保存</source>
        <translation>The record is too large to save</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="69"/>
        <source>棋谱数据不完整或已损坏</source>
        <translation>The record is incomplete or damaged</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="70"/>
        <source>不是 XQF 棋谱</source>
        <translation>Not an XQF record</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="71"/>
        <source>%1 个变着含不合规则的着法，已略去</source>
        <translation>%1 variations with illegal moves were left out</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="72"/>
        <source>XQF 版本较新，按已知的版本读取</source>
        <translation>A newer XQF version, read as the last known one</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="73"/>
        <source>评注：</source>
        <translation>Note: </translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="74"/>
        <source>放弃后面的 %1 步？</source>
        <translation>Drop the %1 moves that follow?</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="75"/>
        <source>保留为变着</source>
        <translation>Keep as Variation</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="76"/>
        <source>此格式只保存当前变着，其余变着将丢失。继续吗？</source>
        <translation>This format keeps only the current line; the other variations will be lost. Continue?</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="77"/>
        <source>另存为 PGN</source>
        <translation>Save as PGN</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="78"/>
        <source>文本棋谱（.txt）不保存开始局面：这局棋从摆好的局面开始，存为 .txt 后将不能再打开。请另存为 .sav 或 PGN。</source>
        <translation>A text record (.txt) does not keep the starting position: this game starts from a set-up position and could not be opened again as .txt. Please save it as .sav or PGN.</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="79"/>
        <source>这局棋的着法写成文本棋谱（.txt）后不能照原样读回。请另存为 .sav 或 PGN。</source>
        <translation>The moves of this game cannot be read back as they are from a text record (.txt). Please save it as .sav or PGN.</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="80"/>
        <source>另存为 .sav</source>
        <translation>Save as .sav</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="81"/>
        <source>保留变着</source>
        <translation>Keep Variations</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="82"/>
        <source>提升变着</source>
        <translation>Promote Variation</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="83"/>
        <source>设为主变</source>
        <translation>Make Main Line</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="84"/>
        <source>删除变着</source>
        <translation>Delete Variation</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="85"/>
        <source>编辑注释</source>
        <translation>Edit Comment</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="86"/>
        <source>十</source>
        <translation>10</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="87"/>
        <source>１０</source>
        <translation>10</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="88"/>
        <source>%1路第%2行</source>
        <translation>file %1, rank %2</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="89"/>
        <source>棋盘外</source>
        <translation>off the board</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="90"/>
        <source>%1从%2到%3</source>
        <translation>%1 from %2 to %3</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="91"/>
        <source>从%1到%2（起点无子）</source>
        <translation>from %1 to %2 (no piece there)</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="92"/>
        <source>无法识别的字节 %1</source>
        <translation>Unreadable bytes %1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="93"/>
        <source>FEN 标记不是正确的局面</source>
        <translation>The FEN tag is not a correct position</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="94"/>
        <source>FEN 标记的局面棋子摆放不正确</source>
        <translation>The pieces of the FEN tag&apos;s position are not placed correctly</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="95"/>
        <source>着法太多，一局棋容纳不下</source>
        <translation>Too many moves for one game</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="96"/>
        <source>变着太长，一局棋容纳不下</source>
        <translation>A variation too long for one game</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="97"/>
        <source>注释太长，一局棋容纳不下</source>
        <translation>A comment too long for one game</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="98"/>
        <source>无法打开文件：%1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="99"/>
        <source>读取文件出错，文件可能已损坏</source>
        <translation>Error reading the file; it may be damaged</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="100"/>
        <source>不是棋谱文件</source>
        <translation>Not a game record file</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="101"/>
        <source>%1 不是棋谱文件</source>
        <translation>%1 is not a game record file</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="102"/>
        <source>没有权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="103"/>
        <source>磁盘已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="104"/>
        <source>文件夹不存在</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="105"/>
        <source>磁盘只读</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="106"/>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="107"/>
        <source>这是一个文件夹</source>
        <translation>this is a folder</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="108"/>
        <source>文件名太长</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="109"/>
        <source>系统错误 %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="110"/>
        <source>原因不明</source>
        <translation>reason unknown</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="111"/>
        <source>引擎不接受这个局面</source>
        <translation>The engine does not accept this position</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="112"/>
        <source>棋谱第%1步不合规则</source>
        <translation>Move %1 of the record is illegal</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="113"/>
        <source>引擎现在不能分析</source>
        <translation>The engine cannot analyse now</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="114"/>
        <source>引擎出错</source>
        <translation>The engine failed</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="115"/>
        <source>起始局面</source>
        <translation>Starting position</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="116"/>
        <source>%1：判断 %2 步，失误 %3 步（%4 %5，%6 %7，%8 %9），%10 %11，平均损失 %12</source>
        <translation>%1: %2 moves judged, %3 mistakes (%4 %5, %6 %7, %8 %9), %10 %11, average loss %12</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="117"/>
        <source>一</source>
        <translation>1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="118"/>
        <source>二</source>
        <translation>2</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="119"/>
        <source>三</source>
        <translation>3</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="120"/>
        <source>四</source>
        <translation>4</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="121"/>
        <source>五</source>
        <translation>5</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="122"/>
        <source>六</source>
        <translation>6</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="123"/>
        <source>七</source>
        <translation>7</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="124"/>
        <source>八</source>
        <translation>8</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="125"/>
        <source>九</source>
        <translation>9</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="126"/>
        <source>１</source>
        <translation>1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="127"/>
        <source>２</source>
        <translation>2</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="128"/>
        <source>３</source>
        <translation>3</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="129"/>
        <source>４</source>
        <translation>4</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="130"/>
        <source>５</source>
        <translation>5</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="131"/>
        <source>６</source>
        <translation>6</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="132"/>
        <source>７</source>
        <translation>7</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="133"/>
        <source>８</source>
        <translation>8</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="134"/>
        <source>９</source>
        <translation>9</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="136"/>
        <source>无法打开棋库：%1</source>
        <translation>Cannot open the database: %1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="137"/>
        <source>这个文件不是棋库</source>
        <translation>This file is not a game database</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="138"/>
        <source>这个棋库由更新的版本写成</source>
        <translation>This database was written by a newer version</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="139"/>
        <source>棋库写入失败：%1</source>
        <translation>Writing the database failed: %1</translation>
    </message>
    <message>
        <location filename="../platform/text_catalog.cpp" line="140"/>
        <source>%1 第%2局</source>
        <translation>%1 game %2</translation>
    </message>
    <message>
        <location filename="../dialogs/match_dialog.cpp" line="33"/>
        <location filename="../windows/book_window.cpp" line="15"/>
        <source>开局库</source>
        <translation>Opening Book</translation>
    </message>
    <message>
        <location filename="../windows/book_window.cpp" line="35"/>
        <source>可能着法</source>
        <translation>Possible moves</translation>
    </message>
    <message>
        <location filename="../windows/book_window.cpp" line="35"/>
        <source>几率</source>
        <translation>Chance</translation>
    </message>
    <message>
        <location filename="../windows/engine_lines_panel.cpp" line="37"/>
        <source>%1 千步/秒</source>
        <translation>%1 kN/s</translation>
    </message>
    <message>
        <location filename="../windows/engine_lines_panel.cpp" line="38"/>
        <source>%1 步/秒</source>
        <translation>%1 N/s</translation>
    </message>
    <message>
        <location filename="../windows/engine_lines_panel.cpp" line="73"/>
        <source>%1 %2 步杀</source>
        <translation>%1 mate in %2</translation>
    </message>
    <message>
        <location filename="../windows/engine_lines_panel.cpp" line="94"/>
        <source>分数</source>
        <translation>Score</translation>
    </message>
    <message>
        <location filename="../windows/engine_lines_panel.cpp" line="94"/>
        <source>变化</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="../windows/engine_lines_panel.cpp" line="101"/>
        <source>变化数</source>
        <translation>Lines</translation>
    </message>
    <message>
        <location filename="../windows/engine_lines_panel.cpp" line="131"/>
        <source>深度 %1  分数 %2  速度 %3  节点 %4</source>
        <translation>Depth %1  Score %2  Speed %3  Nodes %4</translation>
    </message>
    <message>
        <location filename="../windows/engine_lines_panel.cpp" line="135"/>
        <source>%1走</source>
        <translation>%1 to move</translation>
    </message>
    <message>
        <location filename="../windows/engine_log_window.cpp" line="24"/>
        <source>引擎通信</source>
        <translation>Engine Log</translation>
    </message>
    <message>
        <location filename="../windows/engine_log_window.cpp" line="33"/>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location filename="../windows/game_info_window.cpp" line="33"/>
        <source>棋局信息</source>
        <translation>Game Info</translation>
    </message>
    <message>
        <location filename="../windows/game_info_window.cpp" line="47"/>
        <source>地点</source>
        <translation>Place</translation>
    </message>
    <message>
        <location filename="../windows/game_info_window.cpp" line="105"/>
        <source>基本信息</source>
        <translation>Basics</translation>
    </message>
    <message>
        <location filename="../windows/game_info_window.cpp" line="110"/>
        <source>备注</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location filename="../windows/game_info_window.cpp" line="117"/>
        <source>棋谱</source>
        <translation>Record</translation>
    </message>
    <message>
        <location filename="../windows/game_info_window.cpp" line="128"/>
        <source>变着</source>
        <translation>Variations</translation>
    </message>
    <message>
        <location filename="../windows/game_info_window.cpp" line="139"/>
        <source>复制棋谱</source>
        <translation>Copy Record</translation>
    </message>
    <message>
        <location filename="../windows/setup_window.cpp" line="23"/>
        <source>棋子</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <location filename="../windows/setup_window.cpp" line="122"/>
        <location filename="../windows/tool_window.cpp" line="154"/>
        <source>先手方</source>
        <translation>First</translation>
    </message>
    <message>
        <location filename="../windows/setup_window.cpp" line="125"/>
        <source>清除棋局</source>
        <translation>Clear Board</translation>
    </message>
    <message>
        <location filename="../windows/setup_window.cpp" line="126"/>
        <source>初始棋局</source>
        <translation>Initial Board</translation>
    </message>
    <message>
        <location filename="../windows/setup_window.cpp" line="127"/>
        <source>红黑交换</source>
        <translation>Swap Colours</translation>
    </message>
    <message>
        <location filename="../windows/setup_window.cpp" line="128"/>
        <source>结束</source>
        <translation>Done</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="37"/>
        <source>局势</source>
        <translation>Situation</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="41"/>
        <source>局势未知</source>
        <translation>Situation unknown</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="44"/>
        <source>黑方必胜</source>
        <translation>Black wins for sure</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="44"/>
        <source>黑方胜势</source>
        <translation>Black is winning</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="44"/>
        <source>黑方优势</source>
        <translation>Black is better</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="44"/>
        <source>双方均势</source>
        <translation>Even</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="44"/>
        <source>红方优势</source>
        <translation>Red is better</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="44"/>
        <source>红方胜势</source>
        <translation>Red is winning</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="44"/>
        <source>红方必胜</source>
        <translation>Red wins for sure</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="66"/>
        <source>基本</source>
        <translation>Basics</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="71"/>
        <source>主要变化</source>
        <translation>Main line</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="77"/>
        <source>后台思考</source>
        <translation>Thinking on the opponent&apos;s time</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="78"/>
        <source>猜测着法</source>
        <translation>Guessed move</translation>
    </message>
    <message>
        <location filename="../windows/situation_window.cpp" line="79"/>
        <source>应对着法</source>
        <translation>Reply</translation>
    </message>
    <message>
        <location filename="../windows/timer_window.cpp" line="12"/>
        <source>计时</source>
        <translation>Clock</translation>
    </message>
    <message>
        <location filename="../windows/timer_window.cpp" line="14"/>
        <source>红方用时</source>
        <translation>Red&apos;s time</translation>
    </message>
    <message>
        <location filename="../windows/timer_window.cpp" line="14"/>
        <source>黑方用时</source>
        <translation>Black&apos;s time</translation>
    </message>
    <message>
        <location filename="../windows/timer_window.cpp" line="15"/>
        <source>红方剩余</source>
        <translation>Red left</translation>
    </message>
    <message>
        <location filename="../windows/timer_window.cpp" line="15"/>
        <source>黑方剩余</source>
        <translation>Black left</translation>
    </message>
    <message>
        <location filename="../windows/tool_window.cpp" line="154"/>
        <source>回合</source>
        <translation>Move</translation>
    </message>
    <message>
        <location filename="../windows/tool_window.cpp" line="154"/>
        <source>后手方</source>
        <translation>Second</translation>
    </message>
    <message>
        <location filename="../../match/match_openings.cpp" line="47"/>
        <source>无法打开开局文件 %1</source>
        <translation>Cannot open the openings file %1</translation>
    </message>
    <message>
        <location filename="../../match/match_openings.cpp" line="57"/>
        <source>开局文件 %1 第 %2 行不是局面</source>
        <translation>Line %2 of the openings file %1 is not a position</translation>
    </message>
    <message>
        <location filename="../../match/match_openings.cpp" line="69"/>
        <source>无法读取开局棋谱 %1</source>
        <translation>Cannot read the openings record %1</translation>
    </message>
    <message>
        <location filename="../../match/match_openings.cpp" line="125"/>
        <source>开局文件 %1 中没有可用的开局</source>
        <translation>The openings file %1 holds no usable opening</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="51"/>
        <source>对局需要两个引擎</source>
        <translation>A match of two needs two engines</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="51"/>
        <source>至少需要两个引擎</source>
        <translation>At least two engines are needed</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="55"/>
        <source>分片 %1/%2 无效</source>
        <translation>The shard %1/%2 is not valid</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="62"/>
        <source>找不到引擎程序 %1</source>
        <translation>The engine program %1 cannot be found</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="83"/>
        <source>无法写入比赛状态文件 %1</source>
        <translation>Cannot write the match state file %1</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="89"/>
        <source>%1 属于另一场比赛（设置不同）；请换一个棋谱文件</source>
        <translation>%1 belongs to another match (other settings); please choose another record file</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="95"/>
        <location filename="../../match/match_state.cpp" line="107"/>
        <source>比赛状态文件 %1 已损坏</source>
        <translation>The match state file %1 is damaged</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="102"/>
        <source>棋谱 %1 比状态文件记录的短</source>
        <translation>The record %1 is shorter than the state file says</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="106"/>
        <source>无法截短棋谱 %1</source>
        <translation>Cannot shorten the record %1</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="190"/>
        <source>第 %1 局：%2 超时（本步已用 %3 毫秒，限 %4 毫秒，含余量 %5 毫秒）</source>
        <translation>Game %1: %2 lost on time (%3 ms used on this move, limit %4 ms, margin %5 ms included)</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="197"/>
        <source>无法写入棋谱 %1</source>
        <translation>Cannot write the record %1</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="201"/>
        <source>第 %1 局：引擎崩溃，下一局重新启动</source>
        <translation>Game %1: an engine crashed; it restarts for the next game</translation>
    </message>
    <message>
        <location filename="../../match/match_runner.cpp" line="205"/>
        <source>SPRT 已有结论，比赛结束</source>
        <translation>SPRT has concluded; the match is over</translation>
    </message>
    <message>
        <location filename="../../match/match_state.cpp" line="112"/>
        <source>%1 不是比赛状态文件</source>
        <translation>%1 is not a match state file</translation>
    </message>
    <message>
        <location filename="../dialogs/match_board.cpp" line="42"/>
        <source>此局的局面无法显示</source>
        <translation>This game&apos;s position cannot be shown</translation>
    </message>
    <message>
        <location filename="../dialogs/time_control_dialog.cpp" line="23"/>
        <source>不限时</source>
        <translation>No limit</translation>
    </message>
    <message>
        <location filename="../dialogs/time_control_dialog.cpp" line="25"/>
        <source>包干、加秒与步数限时须有基本时间</source>
        <translation>Sudden death, increment and moves in time need a base time</translation>
    </message>
    <message>
        <location filename="../dialogs/time_control_dialog.cpp" line="63"/>
        <source>每步加秒</source>
        <translation>Increment per move</translation>
    </message>
    <message>
        <location filename="../dialogs/time_control_dialog.cpp" line="133"/>
        <location filename="../dialogs/time_control_dialog.cpp" line="173"/>
        <source>时限</source>
        <translation>Time Control</translation>
    </message>
    <message>
        <location filename="../dialogs/time_control_dialog.cpp" line="134"/>
        <source>双方相同</source>
        <translation>Same for both sides</translation>
    </message>
    <message>
        <location filename="../dialogs/time_control_dialog.cpp" line="155"/>
        <source>新的时限即时生效，双方计时重新开始。</source>
        <translation>A new time control takes effect at once; both clocks start again.</translation>
    </message>
</context>
</TS>
