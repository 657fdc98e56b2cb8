<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Parvok</source>
        <translation>关于 Parvok</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>SVG picture</source>
        <translation>SVG 图片</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG 图像</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>复制图片</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>The picture could not be printed: the printer could not be started.</source>
        <translation>无法打印图片：无法启动打印机。</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>导出数据</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>CSV 表格</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <extracomment>The reason in “The picture could not be made: %1”.</extracomment>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Parvok at t/T₁ = %1</source>
        <translation>Parvok，t/T₁ = %1</translation>
    </message>
    <message>
        <source>The picture could not be made: %1</source>
        <extracomment>%1 is the reason, such as “there is not enough memory for it”.</extracomment>
        <translation>无法生成图片：%1</translation>
    </message>
    <message>
        <source>A file named “%1” already exists in “%2”. Do you want to replace it?</source>
        <translation>“%2”中已有名为“%1”的文件。要替换它吗？</translation>
    </message>
    <message>
        <source>“%1” could not be made. Nothing was written.</source>
        <translation>无法创建“%1”。未写入任何内容。</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. Nothing was written there.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>无法将“%1”保存到“%2”：%3。该位置未写入任何内容。</translation>
    </message>
    <message>
        <source>“%1” cannot be saved in %2: it holds the system&apos;s devices and settings, not files. Choose another folder.</source>
        <extracomment>%1 is the file&apos;s name, %2 a folder such as /proc.</extracomment>
        <translation>无法将“%1”保存到 %2：该文件夹存放的是系统的设备和设置，而不是文件。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>“%1” is not an ordinary file but a device, a pipe or a folder, and cannot be saved over. Choose another name.</source>
        <translation>“%1”不是普通文件，而是设备、管道或文件夹，不能覆盖。请选择其他名称。</translation>
    </message>
</context>
<context>
    <name>LessonDocument</name>
    <message>
        <source>Parvok lesson</source>
        <translation>Parvok 课程</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>无法读取“%1”：%2。</translation>
    </message>
    <message>
        <source>“%1” is a folder, a device or one of the system&apos;s files, not a lesson file.</source>
        <translation>“%1”是文件夹、设备或系统文件，不是课程文件。</translation>
    </message>
    <message>
        <source>“%1” is too large for a lesson: it holds %2 bytes, and a lesson file at most %3.</source>
        <extracomment>%2 and %3 are sizes in bytes.</extracomment>
        <translation>“%1”太大，不能作为课程：它有 %2 字节，而课程文件最多 %3 字节。</translation>
    </message>
    <message>
        <source>“%1” is empty.</source>
        <translation>“%1”是空文件。</translation>
    </message>
    <message>
        <source>“%1” is not a lesson file, or it was cut short: its text stops making sense at byte %2.</source>
        <translation>“%1”不是课程文件，或者文件不完整：其内容从第 %2 字节起无法识别。</translation>
    </message>
    <message>
        <source>“%1” is not a Parvok lesson.</source>
        <translation>“%1”不是 Parvok 课程。</translation>
    </message>
    <message>
        <source>“%1” was saved by a newer Parvok, in version %2 of the lesson format; this Parvok reads version %3 and older.</source>
        <extracomment>%2 and %3 are version numbers of the lesson format.</extracomment>
        <translation>“%1”由较新的 Parvok 保存，课程格式版本为 %2；此 Parvok 只能读取版本 %3 及更早的版本。</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” is missing.</source>
        <extracomment>%2 names a part of the file, such as states[2].name.</extracomment>
        <translation>“%1”已损坏：缺少“%2”。</translation>
    </message>
    <message>
        <source>“%1” holds “%2”, which a Parvok lesson does not have.</source>
        <translation>“%1”包含“%2”，而 Parvok 课程中没有这一项。</translation>
    </message>
    <message>
        <source>“%1” is damaged: “%2” does not hold a value Parvok can use.</source>
        <translation>“%1”已损坏：“%2”中的值 Parvok 无法使用。</translation>
    </message>
    <message>
        <source>“%1” holds %2 states; a lesson holds at most %3.</source>
        <translation>“%1”包含 %2 个态；一个课程最多包含 %3 个。</translation>
    </message>
    <message>
        <source>Untitled Lesson</source>
        <translation>未命名课程</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>打开课程</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>保存课程</translation>
    </message>
    <message>
        <source>“%1” could not be saved in “%2”: %3. The file there was left as it was.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder, %3 the system&apos;s reason.</extracomment>
        <translation>无法将“%1”保存到“%2”：%3。那里的文件保持原样。</translation>
    </message>
    <message>
        <source>The lesson “%1” has changes that are not saved. Save them first?</source>
        <translation>课程“%1”有未保存的更改。要先保存吗？</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>“%1” is not UTF-8 text, as a lesson file is: its byte %2 is not part of a character.</source>
        <translation>“%1”不是 UTF-8 文本（课程文件须为 UTF-8）：第 %2 字节不属于任何字符。</translation>
    </message>
    <message>
        <source>“%1” holds the number %2, which is beyond the largest number Parvok can use.</source>
        <extracomment>%2 is a number as the file writes it, such as 1e999.</extracomment>
        <translation>“%1”含有数字 %2，超出了 Parvok 能使用的最大数。</translation>
    </message>
</context>
<context>
    <name>MainWndo</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Wavefunction: real part in black, imaginary part in red</source>
        <translation>波函数：实部为黑色，虚部为红色</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>概率密度</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总和</translation>
    </message>
    <message>
        <source>Show all states together</source>
        <translation>显示所有态的叠加</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Initial data:</source>
        <translation>初始数据：</translation>
    </message>
    <message>
        <source>mag:</source>
        <translation>模：</translation>
    </message>
    <message>
        <source>ang:</source>
        <translation>角：</translation>
    </message>
    <message>
        <source>Normalize</source>
        <translation>归一化</translation>
    </message>
    <message>
        <source>Normalize the magnitudes</source>
        <translation>将各个模归一化</translation>
    </message>
    <message>
        <source>Start or stop the animation</source>
        <translation>开始或停止动画</translation>
    </message>
    <message>
        <source>Phase speed</source>
        <translation>相位转动速度</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>波函数</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>概率密度</translation>
    </message>
    <message>
        <source>Phasor</source>
        <translation>相量</translation>
    </message>
    <message>
        <source>State %1: magnitude %2, angle %3 degrees</source>
        <translation>态 %1：模 %2，辐角 %3 度</translation>
    </message>
    <message>
        <source>Phasor of state %1</source>
        <translation>态 %1 的相量</translation>
    </message>
    <message>
        <source>State %1</source>
        <translation>态 %1</translation>
    </message>
    <message>
        <source>n=%1</source>
        <translation>n=%1</translation>
    </message>
    <message>
        <source>Show state %1 alone</source>
        <translation>只显示态 %1</translation>
    </message>
    <message>
        <source>Magnitude of state %1</source>
        <translation>态 %1 的模</translation>
    </message>
    <message>
        <source>Angle of state %1 in degrees</source>
        <translation>态 %1 的辐角（度）</translation>
    </message>
    <message>
        <source>(too fast to follow at this speed)</source>
        <translation>（在此速度下转得太快，肉眼无法跟随）</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>已保存“%1”</translation>
    </message>
    <message>
        <source>x = %1 L</source>
        <translation>x = %1 L</translation>
    </message>
    <message>
        <source>collapsed to a bell %1 L wide, of which the six states hold %2 %</source>
        <translation>坍缩为宽 %1 L 的钟形，六个定态包含其中的 %2 %</translation>
    </message>
    <message>
        <source>E = %1 E₁ (n = %2)</source>
        <translation>E = %1 E₁ (n = %2)</translation>
    </message>
    <message>
        <source>collapsed to state %1</source>
        <translation>坍缩为态 %1</translation>
    </message>
    <message>
        <source>Add Current State</source>
        <translation>添加当前态</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>Rename State</source>
        <translation>重命名态</translation>
    </message>
</context>
<context>
    <name>MeasurementsWndo</name>
    <message>
        <source>Positions found (blue) and L·&amp;|ψ(x, t)&amp;|^2 (red)</source>
        <translation>测得的位置（蓝）和 L·&amp;|ψ(x, t)&amp;|^2（红）</translation>
    </message>
    <message>
        <source>Energies E_n = n^2 E_1 found (blue) and &amp;|c_n_&amp;|^2 (red)</source>
        <translation>测得的能量 E_n = n^2 E_1 （蓝）和 &amp;|c_n_&amp;|^2 （红）</translation>
    </message>
    <message>
        <source>share</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>N = %1</source>
        <translation>N = %1</translation>
    </message>
    <message>
        <source>No χ² test: too few classes
with 5 outcomes expected</source>
        <translation>不作 χ² 检验：期望至少 5 个结果的组
太少</translation>
    </message>
    <message>
        <source>χ² = %1 with %2 degrees of freedom</source>
        <translation>χ² = %1，自由度 %2</translation>
    </message>
    <message>
        <source>p = %1</source>
        <translation>p = %1</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>测量统计</translation>
    </message>
    <message>
        <source>+1</source>
        <translation>+1</translation>
    </message>
    <message>
        <source>+10</source>
        <translation>+10</translation>
    </message>
    <message>
        <source>+100</source>
        <translation>+100</translation>
    </message>
    <message>
        <source>+1,000</source>
        <translation>+1000</translation>
    </message>
    <message>
        <source>+10,000</source>
        <translation>+10000</translation>
    </message>
    <message>
        <source>Measure %1 more copies in position and %1 in energy</source>
        <translation>再测量 %1 个副本的位置和 %1 个副本的能量</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>随机种子：</translation>
    </message>
    <message>
        <source>Seed of the random numbers: the same seed repeats the same outcomes</source>
        <translation>随机数的种子：同一种子重复同样的结果</translation>
    </message>
    <message>
        <source>Histogram of the positions found, over the density predicted</source>
        <translation>测得位置的直方图，叠加预言的概率密度</translation>
    </message>
    <message>
        <source>Share of each energy found, beside the weights predicted</source>
        <translation>各能量测得的频率，旁边是预言的权重</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615: the seed in use stays as it was.</source>
        <translation>随机种子是 0 到 18446744073709551615 之间的整数：当前种子保持不变。</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Energies</source>
        <translation>能量</translation>
    </message>
    <message>
        <source>No particle: every magnitude is 0, so there is nothing to measure.</source>
        <translation>没有粒子：所有模都为 0，没有可测量的内容。</translation>
    </message>
    <message>
        <source>Copies of the state at %1, each measured once; the state itself does not change.</source>
        <translation>%1 时刻的态的副本，每个只测量一次；态本身不变。</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
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
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>动画(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Start/Stop</source>
        <translation>开始/停止(&amp;S)</translation>
    </message>
    <message>
        <source>Start from the typed state, or stop: the Start button</source>
        <translation>从输入的态开始，或停止：与“开始”按钮相同</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume</source>
        <translation>暂停/继续(&amp;P)</translation>
    </message>
    <message>
        <source>Hold the animation at this instant, or run on from it</source>
        <translation>将动画定格在此刻，或从此刻继续运行</translation>
    </message>
    <message>
        <source>Step &amp;Forward</source>
        <translation>前进一帧(&amp;F)</translation>
    </message>
    <message>
        <source>One frame forward at the current speed</source>
        <translation>以当前速度前进一帧</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>后退一帧(&amp;B)</translation>
    </message>
    <message>
        <source>One frame back at the current speed</source>
        <translation>以当前速度后退一帧</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;4</source>
        <translation>跳到 t = T₁/4(&amp;4)</translation>
    </message>
    <message>
        <source>A quarter of the period of state 1 after Start</source>
        <translation>开始后经过态 1 的四分之一个周期</translation>
    </message>
    <message>
        <source>Go to t = T₁/&amp;2</source>
        <translation>跳到 t = T₁/2(&amp;2)</translation>
    </message>
    <message>
        <source>Half the period of state 1: the density is the mirror image of the density at Start</source>
        <translation>态 1 的半个周期：概率密度是开始时概率密度的镜像</translation>
    </message>
    <message>
        <source>Go to t = &amp;3T₁/4</source>
        <translation>跳到 t = 3T₁/4(&amp;3)</translation>
    </message>
    <message>
        <source>Three quarters of the period of state 1</source>
        <translation>态 1 的四分之三个周期</translation>
    </message>
    <message>
        <source>Go to t = T₁ (Re&amp;vival)</source>
        <translation>跳到 t = T₁（复现）(&amp;V)</translation>
    </message>
    <message>
        <source>One period of state 1: every state is back where it started</source>
        <translation>态 1 的一个周期：每个态都回到出发时的样子</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>重新开始(&amp;R)</translation>
    </message>
    <message>
        <source>Back to t = 0, the typed state, paused</source>
        <translation>回到 t = 0，即输入的态，并暂停</translation>
    </message>
    <message>
        <source>&amp;States</source>
        <translation>预设态(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Ground State</source>
        <translation>基态(&amp;G)</translation>
    </message>
    <message>
        <source>State 1 alone: its density stands still</source>
        <translation>只有态 1：概率密度静止不动</translation>
    </message>
    <message>
        <source>States &amp;1 and 2 in Equal Parts</source>
        <translation>态 1 和 2 等权叠加(&amp;1)</translation>
    </message>
    <message>
        <source>The simplest superposition: the density sloshes</source>
        <translation>最简单的叠加：概率密度来回晃动</translation>
    </message>
    <message>
        <source>States 1, 2 and &amp;3 in Equal Parts</source>
        <translation>态 1、2、3 等权叠加(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Packet Near x = L/4</source>
        <translation>x = L/4 附近的波包(&amp;P)</translation>
    </message>
    <message>
        <source>A narrow bump near x = L/4, made of the six states</source>
        <translation>x = L/4 附近的一个窄峰，由六个态叠加而成</translation>
    </message>
    <message>
        <source>&amp;Two Packets (Cat State)</source>
        <translation>两个波包（猫态）(&amp;T)</translation>
    </message>
    <message>
        <source>Two bumps at once, near L/4 and 3L/4</source>
        <translation>同时出现两个峰，分别在 L/4 和 3L/4 附近</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>键盘快捷键(&amp;K)</translation>
    </message>
    <message>
        <source>Every key of the program</source>
        <translation>程序的所有按键</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Observables</source>
        <translation>可观测量(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>演示视图(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>导出图片(&amp;E)…</translation>
    </message>
    <message>
        <source>Save the plots and the phasors as they are now, as SVG, PDF or PNG</source>
        <translation>将此刻的图和相量保存为 SVG、PDF 或 PNG</translation>
    </message>
    <message>
        <source>Export &amp;Data…</source>
        <translation>导出数据(&amp;D)…</translation>
    </message>
    <message>
        <source>Save the coefficients and the wavefunction at the 101 samples as CSV</source>
        <translation>将系数和 101 个采样点上的波函数保存为 CSV</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Print the plots and the phasors as they are now, on one page</source>
        <translation>将此刻的图和相量打印在一页纸上</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>复制图片(&amp;I)</translation>
    </message>
    <message>
        <source>Put the plots and the phasors as they are now on the clipboard</source>
        <translation>将此刻的图和相量复制到剪贴板</translation>
    </message>
    <message>
        <source>Physical &amp;Scale</source>
        <translation>物理标度(&amp;S)</translation>
    </message>
    <message>
        <source>Plot √L·ψ and L·|ψ|², the wavefunction to scale, in ranges that fit the state at every instant</source>
        <translation>绘制 √L·ψ 和 L·|ψ|²，即按物理标度的波函数，坐标范围在任何时刻都能容纳该态</translation>
    </message>
    <message>
        <source>&amp;Time Forward</source>
        <translation>时间正向(&amp;T)</translation>
    </message>
    <message>
        <source>Turn the phases clockwise, as in nature, so that packets move with ⟨p⟩; the clock counts up either way</source>
        <translation>让相位顺时针转动（与自然界一致），使波包沿 ⟨p⟩ 的方向运动；两种情况下时钟都向前计时</translation>
    </message>
    <message>
        <source>Space-&amp;Time Picture</source>
        <translation>时空图(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Parvok…</source>
        <translation>关于 Parvok(&amp;A)…</translation>
    </message>
    <message>
        <source>Three states: the density beats at three rates, 3, 5 and 8 × E₁/ħ</source>
        <translation>三个态：概率密度出现三种频率的拍（3、5 和 8 × E₁/ħ）</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>测量(&amp;M)</translation>
    </message>
    <message>
        <source>Measure &amp;Position</source>
        <translation>测量位置(&amp;P)</translation>
    </message>
    <message>
        <source>Find the particle at one place, drawn at random from |ψ(x, t)|²; off while every magnitude is 0</source>
        <translation>在某一位置找到粒子，位置按 |ψ(x, t)|² 随机抽取；所有模都为 0 时不可用</translation>
    </message>
    <message>
        <source>Measure &amp;Energy</source>
        <translation>测量能量(&amp;E)</translation>
    </message>
    <message>
        <source>Find one energy Eₙ = n² E₁, drawn at random with the probability |cₙ|²; off while every magnitude is 0</source>
        <translation>得到一个能量 Eₙ = n² E₁，以概率 |cₙ|² 随机抽取；所有模都为 0 时不可用</translation>
    </message>
    <message>
        <source>&amp;Collapse on Measurement</source>
        <translation>测量时坍缩(&amp;C)</translation>
    </message>
    <message>
        <source>A measurement changes the state: after it, the state is the one found, from t = 0</source>
        <translation>测量会改变态：测量之后，态即为测得的态，从 t = 0 开始</translation>
    </message>
    <message>
        <source>Collapse to a Bell %1 L Wide</source>
        <translation>坍缩为宽 %1 L 的钟形</translation>
    </message>
    <message>
        <source>The width, the standard deviation of |ψ|², of the state a position found leaves</source>
        <translation>测得位置后所留下的态的宽度，即 |ψ|² 的标准差</translation>
    </message>
    <message>
        <source>Measure&amp;ments</source>
        <translation>测量统计(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Build a Packet…</source>
        <translation>构建波包(&amp;B)…</translation>
    </message>
    <message>
        <source>A Gaussian packet of your centre, width and momentum, as the six states hold it</source>
        <translation>按您给定的中心、宽度和动量构造的高斯波包，用六个态表示</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>新建课程(&amp;N)</translation>
    </message>
    <message>
        <source>Start an empty lesson, to which States › Add Current State… adds states</source>
        <translation>开始一个空课程，用“预设态 › 添加当前态…”向其中添加态</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>Open a lesson saved before</source>
        <translation>打开以前保存的课程</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the lesson to its file</source>
        <translation>将课程保存到其文件</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>Save the lesson to a file of another name</source>
        <translation>将课程保存为另一个文件名</translation>
    </message>
    <message>
        <source>&amp;Next State</source>
        <translation>下一个态(&amp;N)</translation>
    </message>
    <message>
        <source>The lesson&apos;s next state, at its time</source>
        <translation>课程中的下一个态，显示在其时刻</translation>
    </message>
    <message>
        <source>Pre&amp;vious State</source>
        <translation>上一个态(&amp;V)</translation>
    </message>
    <message>
        <source>The lesson&apos;s state before, at its time</source>
        <translation>课程中的上一个态，显示在其时刻</translation>
    </message>
    <message>
        <source>&amp;Add Current State…</source>
        <translation>添加当前态(&amp;A)…</translation>
    </message>
    <message>
        <source>Add the state the fields hold to the lesson, with a name and a note</source>
        <translation>将输入框中的态添加到课程，并附上名称和备注</translation>
    </message>
    <message>
        <source>R&amp;ename State…</source>
        <translation>重命名态(&amp;E)…</translation>
    </message>
    <message>
        <source>Give the lesson&apos;s current state another name or note</source>
        <translation>为课程的当前态更改名称或备注</translation>
    </message>
    <message>
        <source>Re&amp;move State</source>
        <translation>移除态(&amp;M)</translation>
    </message>
    <message>
        <source>Take the current state out of the lesson</source>
        <translation>将当前态从课程中移除</translation>
    </message>
    <message>
        <source>Move State &amp;Up</source>
        <translation>上移态(&amp;U)</translation>
    </message>
    <message>
        <source>Show the current state one place earlier in the lesson</source>
        <translation>在课程中将当前态提前一位</translation>
    </message>
    <message>
        <source>Move State &amp;Down</source>
        <translation>下移态(&amp;D)</translation>
    </message>
    <message>
        <source>Show the current state one place later in the lesson</source>
        <translation>在课程中将当前态推后一位</translation>
    </message>
</context>
<context>
    <name>ObservablesWndo</name>
    <message>
        <source>Energy levels E_n = n^2 E_1</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;_&quot; and &quot;^&quot; begin a subscript and a superscript, a space ends it.</extracomment>
        <translation>能级 E_n = n^2 E_1</translation>
    </message>
    <message>
        <source>⟨x⟩ (black) and ⟨x⟩ ± $D$x (blue)</source>
        <extracomment>A plot title in the plot&apos;s markup: &quot;$D$&quot; is a Greek Delta.</extracomment>
        <translation>⟨x⟩（黑）和 ⟨x⟩ ± $D$x（蓝）</translation>
    </message>
    <message>
        <source>Observables</source>
        <translation>可观测量</translation>
    </message>
    <message>
        <source>Values of the whole state Σ cₙφₙ, whatever Total / n= shows in the main window.</source>
        <translation>整个态 Σ cₙφₙ 的数值，与主窗口中“总和 / n=”的选择无关。</translation>
    </message>
    <message>
        <source>Energy levels: the probability of each level, at n squared times E1, and the mean energy</source>
        <translation>能级：各能级（位于 n 的平方乘以 E1 处）的概率，以及平均能量</translation>
    </message>
    <message>
        <source>Mean position over the last two periods, with the band of one spread either side</source>
        <translation>最近两个周期内的平均位置，两侧各有宽为一个标准差的带</translation>
    </message>
    <message>
        <source>Values of the observables</source>
        <translation>可观测量的数值</translation>
    </message>
    <message>
        <source>Running, t = %1 T₁</source>
        <translation>运行中，t = %1 T₁</translation>
    </message>
    <message>
        <source>Stopped: the state at Start, t = 0</source>
        <translation>已停止：开始时的态，t = 0</translation>
    </message>
    <message>
        <source>Fields edited: press Normalize</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>输入已修改：请按“归一化”</translation>
    </message>
    <message>
        <source>No state: press Normalize, with at
least one magnitude that is not 0</source>
        <extracomment>The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>没有量子态：请按“归一化”，
并且至少有一个模不为 0</translation>
    </message>
    <message>
        <source>—</source>
        <extracomment>Shown in place of a value where there is no state.</extracomment>
        <translation>—</translation>
    </message>
    <message>
        <source>⟨x⟩/L</source>
        <translation>⟨x⟩/L</translation>
    </message>
    <message>
        <source>Δx/L</source>
        <translation>Δx/L</translation>
    </message>
    <message>
        <source>⟨p⟩/(πħ/L)</source>
        <translation>⟨p⟩/(πħ/L)</translation>
    </message>
    <message>
        <source>Δp/(πħ/L)</source>
        <translation>Δp/(πħ/L)</translation>
    </message>
    <message>
        <source>Δx·Δp/(ħ/2)</source>
        <translation>Δx·Δp/(ħ/2)</translation>
    </message>
    <message>
        <source>⟨E⟩/E₁</source>
        <translation>⟨E⟩/E₁</translation>
    </message>
    <message>
        <source>ΔE/E₁</source>
        <translation>ΔE/E₁</translation>
    </message>
    <message>
        <source>Paused, t = %1 T₁</source>
        <translation>已暂停，t = %1 T₁</translation>
    </message>
    <message>
        <source>Time runs backwards here, so the
packet moves against ⟨p⟩:
see Animation › Time Forward.</source>
        <extracomment>Below &lt;p&gt;. The table is 34 characters wide: break longer lines with a new line.</extracomment>
        <translation>这里时间是倒着走的，
所以波包的运动方向与 ⟨p⟩ 相反。
见 动画 › 时间正向。</translation>
    </message>
    <message>
        <source>Momentum distribution</source>
        <translation>动量分布</translation>
    </message>
</context>
<context>
    <name>PacketWndo</name>
    <message>
        <source>Build a Packet</source>
        <translation>构建波包</translation>
    </message>
    <message>
        <source>Centre x₀, in L:</source>
        <translation>中心 x₀，单位 L：</translation>
    </message>
    <message>
        <source>Width σ of the density, in L:</source>
        <translation>概率密度的宽度 σ，单位 L：</translation>
    </message>
    <message>
        <source>Mean momentum k₀, in πħ/L:</source>
        <translation>平均动量 k₀，单位 πħ/L：</translation>
    </message>
    <message>
        <source>The packet&apos;s density in black, the density of its part in the six states in red</source>
        <translation>黑色为波包的概率密度，红色为其在六个态中部分的概率密度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>Black: the packet. Red: its part in the six states.</source>
        <translation>黑色：波包。红色：其在六个态中的部分。</translation>
    </message>
    <message>
        <source>The six states hold %1 % of the packet (Σ|cₙ|²).</source>
        <translation>六个态包含波包的 %1 %（Σ|cₙ|²）。</translation>
    </message>
    <message>
        <source>No packet: give a centre, a width above 0 and a momentum as numbers.</source>
        <translation>没有波包：请以数字输入中心、大于 0 的宽度和动量。</translation>
    </message>
</context>
<context>
    <name>PresentationWndo</name>
    <message>
        <source>Presentation</source>
        <translation>演示视图</translation>
    </message>
    <message>
        <source>Too small for the plots:
make the window larger.</source>
        <translation>窗口太小，无法显示图形：
请放大窗口。</translation>
    </message>
    <message>
        <source>Wavefunction</source>
        <translation>波函数</translation>
    </message>
    <message>
        <source>Probability density</source>
        <translation>概率密度</translation>
    </message>
    <message>
        <source>N = √(2/L)·Σ|cₙ| over the states shown</source>
        <translation>N = √(2/L)·Σ|cₙ|，对所显示的态求和</translation>
    </message>
    <message>
        <source>Re ψ in black, Im ψ in red; the y axis shows %1</source>
        <translation>Re ψ 为黑色，Im ψ 为红色；纵轴表示 %1</translation>
    </message>
    <message>
        <source>The y axis shows %1</source>
        <translation>纵轴表示 %1</translation>
    </message>
    <message>
        <source>; a blue line at the mean position ⟨x⟩, a bar from ⟨x⟩ − Δx to ⟨x⟩ + Δx</source>
        <translation>；蓝线标出平均位置 ⟨x⟩，横条从 ⟨x⟩ − Δx 到 ⟨x⟩ + Δx</translation>
    </message>
    <message>
        <source>; in grey the density at t = 0</source>
        <translation>；灰色为 t = 0 时的密度</translation>
    </message>
</context>
<context>
    <name>ShortcutsWndo</name>
    <message>
        <source>The next or the previous field, button or slider</source>
        <translation>下一个或上一个输入框、按钮或滑块</translation>
    </message>
    <message>
        <source>Presses the button that has the focus</source>
        <translation>按下具有焦点的按钮</translation>
    </message>
    <message>
        <source>Another choice of Total and n=1 … n=6, when one of them has the focus</source>
        <translation>在“总和”与 n=1 … n=6 之间切换（其中之一具有焦点时）</translation>
    </message>
    <message>
        <source>The speed one step down or up, when the slider has the focus</source>
        <translation>速度减小或增大一档（滑块具有焦点时）</translation>
    </message>
    <message>
        <source>Speed 1 or 100</source>
        <translation>速度设为 1 或 100</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Controls and windows</source>
        <translation>控件和窗口</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>The speed 20 up or down</source>
        <translation>速度增大或减小 20</translation>
    </message>
    <message>
        <source>In the presentation view: full screen or not</source>
        <translation>在演示视图中：进入或退出全屏</translation>
    </message>
    <message>
        <source>In the presentation view: leaves full screen, then closes the view</source>
        <translation>在演示视图中：先退出全屏，再关闭演示视图</translation>
    </message>
    <message>
        <source>Closes the main window, and with it the program</source>
        <translation>关闭主窗口，程序随之退出</translation>
    </message>
    <message>
        <source>In the presentation view: the mean position ⟨x⟩ and ⟨x⟩ ± Δx on the density, or not</source>
        <translation>在演示视图中：在密度图上显示或隐藏平均位置 ⟨x⟩ 与 ⟨x⟩ ± Δx</translation>
    </message>
    <message>
        <source>In the presentation view: the density at t = 0 in grey, or not</source>
        <translation>在演示视图中：以灰色显示或隐藏 t = 0 时的密度</translation>
    </message>
    <message>
        <source>In the presentation view: high contrast, thicker and darker, or not</source>
        <translation>在演示视图中：开启或关闭高对比度（线条更粗、更深）</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame on, wherever the focus is</source>
        <translation>在时空图中：前进一帧，无论焦点在何处</translation>
    </message>
    <message>
        <source>In the space-time picture: one frame back, wherever the focus is</source>
        <translation>在时空图中：后退一帧，无论焦点在何处</translation>
    </message>
    <message>
        <source>Closes the window in front, unless it is the main window</source>
        <translation>关闭最前面的窗口（主窗口除外）</translation>
    </message>
    <message>
        <source>In Build a Packet: loads the packet into the fields</source>
        <translation>在“构建波包”中：将波包载入输入框</translation>
    </message>
</context>
<context>
    <name>SpaceTimeWndo</name>
    <message>
        <source>x = %1 L    t = %2 T₁    L·|ψ|² = %3</source>
        <extracomment>The values under the pointer: position, time and the probability density there.</extracomment>
        <translation>x = %1 L    t = %2 T₁    L·|ψ|² = %3</translation>
    </message>
    <message>
        <source>Space-Time Picture</source>
        <translation>时空图</translation>
    </message>
    <message>
        <source>States</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总和</translation>
    </message>
    <message>
        <source>As shown</source>
        <translation>同主窗口</translation>
    </message>
    <message>
        <source>The states the main window shows</source>
        <translation>主窗口显示的状态</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>时间跨度</translation>
    </message>
    <message>
        <source>One period T1</source>
        <translation>一个周期 T1</translation>
    </message>
    <message>
        <source>Half a period T1/2</source>
        <translation>半个周期 T1/2</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>To the largest</source>
        <translation>按最大值</translation>
    </message>
    <message>
        <source>Physical density L times psi squared</source>
        <translation>物理密度 L 乘 psi 的平方</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <translation>色标</translation>
    </message>
    <message>
        <source>Click or drag in the picture to go to that time; the arrow keys step a frame.</source>
        <translation>在图中单击或拖动即可跳到该时刻；方向键前进或后退一帧。</translation>
    </message>
    <message>
        <source>Probability density over position and time, time running downwards</source>
        <translation>随位置和时间变化的概率密度，时间向下</translation>
    </message>
</context>
<context>
    <name>StatePlots</name>
    <message>
        <source>√L·Re ψ in black and √L·Im ψ in red: the physical wavefunction</source>
        <translation>√L·Re ψ 为黑色，√L·Im ψ 为红色：物理波函数</translation>
    </message>
    <message>
        <source>L·|ψ|²: the physical probability density; under the total, its area is 1</source>
        <translation>L·|ψ|²：物理概率密度；对总态，曲线下的面积为 1</translation>
    </message>
    <message>
        <source>Re in black and Im in red of Σ cₙ sin(nπx/L) over the states shown, divided by Σ|cₙ|: not to scale (View › Physical Scale)</source>
        <translation>所显示各态的 Σ cₙ sin(nπx/L) 的实部（黑色）和虚部（红色），除以 Σ|cₙ|：非物理标度（视图 › 物理标度）</translation>
    </message>
    <message>
        <source>|Σ cₙ sin(nπx/L)|² over the states shown, divided by (Σ|cₙ|)²: not to scale (View › Physical Scale)</source>
        <translation>所显示各态的 |Σ cₙ sin(nπx/L)|²，除以 (Σ|cₙ|)²：非物理标度（视图 › 物理标度）</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Status</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Press Normalize to load the new values</source>
        <translation>请按“归一化”载入新的数值</translation>
    </message>
    <message>
        <source>All magnitudes are 0: nothing to show or measure</source>
        <translation>所有模都为 0：没有可显示或测量的内容</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation>第 %1 帧</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>速度 %1</translation>
    </message>
    <message>
        <source>State %1 has magnitude 0</source>
        <translation>态 %1 的模为 0</translation>
    </message>
    <message>
        <source>t = %1 T₁</source>
        <translation>t = %1 T₁</translation>
    </message>
    <message>
        <source>Too fast to follow: state %1 turns 180° or more a frame</source>
        <translation>转得太快，无法跟随：态 %1 每帧转过 180° 或更多</translation>
    </message>
    <message>
        <source>Too fast to follow: states %1 turn 180° or more a frame</source>
        <translation>转得太快，无法跟随：态 %1 每帧转过 180° 或更多</translation>
    </message>
</context>
</TS>
