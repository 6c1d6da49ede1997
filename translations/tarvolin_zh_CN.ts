<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>AbaqusCdp</name>
        <message>
            <source>the %1 curve ends at %2 = %3, before its peak strain %4 = %5, so it has no branch beyond the elastic part</source>
            <translation>%1曲线终止于 %2 = %3，早于其峰值应变 %4 = %5，弹性段之后没有曲线</translation>
        </message>
        <message>
            <source>the %1 curve has too many points</source>
            <translation>%1曲线的点数过多</translation>
        </message>
        <message>
            <source>the %1 stress is %2 at strain %3; the law needs a positive, finite stress there</source>
            <translation>%1应力在应变 %3 处为 %2；本构关系要求该处应力为有限正数</translation>
        </message>
        <message>
            <source>the %1 damage decreases at strain %2; Abaqus needs it non-decreasing</source>
            <translation>%1损伤在应变 %2 处减小；Abaqus 要求其单调不减</translation>
        </message>
        <message>
            <source>--%1: "%2" is not a number %3.</source>
            <translation>--%1："%2" 不是%3的数。</translation>
        </message>
        <message>
            <source>--units: "%1" is neither mm nor m.</source>
            <translation>--units："%1" 既不是 mm 也不是 m。</translation>
        </message>
        <message>
            <source>from 0 to below 0.5</source>
            <translation>不小于 0 且小于 0.5</translation>
        </message>
        <message>
            <source>above 0 and below 90</source>
            <translation>大于 0 且小于 90</translation>
        </message>
        <message>
            <source>above 0</source>
            <translation>大于 0</translation>
        </message>
        <message>
            <source>above 1</source>
            <translation>大于 1</translation>
        </message>
        <message>
            <source>above 0.5 and at most 1</source>
            <translation>大于 0.5 且不大于 1</translation>
        </message>
        <message>
            <source>at least 0</source>
            <translation>不小于 0</translation>
        </message>
        <message>
            <source>above 0 and at most 1</source>
            <translation>大于 0 且不大于 1</translation>
        </message>
        <message>
            <source>--rows: "%1" is not a whole number from 3 to 100000.</source>
            <translation>--rows："%1" 不是 3 到 100000 之间的整数。</translation>
        </message>
        <message>
            <source>--model: a model name has 1 to 80 characters and no control characters.</source>
            <translation>--model：模型名称须为 1 到 80 个字符，且不含控制字符。</translation>
        </message>
        <message>
            <source>--output: "%1" is neither inp nor py.</source>
            <translation>--output："%1" 既不是 inp 也不是 py。</translation>
        </message>
        <message>
            <source>Unknown option --%1.</source>
            <translation>未知选项 --%1。</translation>
        </message>
        <message>
            <source>its parameters are not all positive, finite numbers</source>
            <translation>其参数并非全为有限正数</translation>
        </message>
        <message>
            <source>compression</source>
            <translation>受压</translation>
        </message>
        <message>
            <source>tension</source>
            <translation>受拉</translation>
        </message>
        <message>
            <source>cracking displacement</source>
            <translation>开裂位移</translation>
        </message>
        <message>
            <source>inelastic strain</source>
            <translation>非弹性应变</translation>
        </message>
        <message>
            <source>cracking strain</source>
            <translation>开裂应变</translation>
        </message>
        <message>
            <source> (E0, the secant to the elastic limit, is too small for this curve: choose a lower elastic limit or E0 = Ec)</source>
            <translation>（E0 即弹性极限处的割线模量，对此曲线过小：请选用较低的弹性极限或 E0 = Ec）</translation>
        </message>
        <message>
            <source>the %1 %2 decreases at strain %3%4; Abaqus needs it strictly increasing</source>
            <translation>%1%2在应变 %3 处减小%4；Abaqus 要求其严格递增</translation>
        </message>
        <message>
            <source>the plastic displacement Abaqus derives from the %1 damage</source>
            <translation>Abaqus 由%1损伤推算的塑性位移</translation>
        </message>
        <message>
            <source>the plastic strain Abaqus derives from the %1 damage</source>
            <translation>Abaqus 由%1损伤推算的塑性应变</translation>
        </message>
        <message>
            <source>the %1 damage is %2 at strain %3%4; Abaqus needs it at least 0 and below 1</source>
            <translation>%1损伤在应变 %3 处为 %2%4；Abaqus 要求其不小于 0 且小于 1</translation>
        </message>
        <message>
            <source> (Abaqus takes the elastic part for a unit length, and the crack band is shorter: choose a smaller length unit, strain or less damage)</source>
            <translation>（Abaqus 按单位长度计算弹性部分，而裂缝带宽度更短：请选用更小的长度单位、改用应变或减小损伤）</translation>
        </message>
        <message>
            <source>%1 is negative at strain %2%3</source>
            <translation>%1在应变 %2 处为负%3</translation>
        </message>
        <message>
            <source>%1 decreases at strain %2%3</source>
            <translation>%1在应变 %2 处减小%3</translation>
        </message>
        <message>
            <source>--e0: "%1" is neither ec nor secant.</source>
            <translation>--e0："%1" 既不是 ec 也不是 secant。</translation>
        </message>
        <message>
            <source>--tension: "%1" is neither strain nor displacement.</source>
            <translation>--tension："%1" 既不是 strain 也不是 displacement。</translation>
        </message>
        <message>
            <source>tension as cracking displacement needs the crack-band width h (--crack-band)</source>
            <translation>以开裂位移表示受拉需要裂缝带宽度 h（--crack-band）</translation>
        </message>
        <message>
            <source>its compression curve has no secant to the elastic limit</source>
            <translation>其受压曲线在弹性极限处没有割线</translation>
        </message>
        <message>
            <source>--damage: "%1" is none of unloading, energy, code, birtel-mark and none.</source>
            <translation>--damage："%1" 不是 unloading、energy、code、birtel-mark、none 之一。</translation>
        </message>
        <message>
            <source>--tension-damage: unloading is the code's rule for compression (C.2.5); the code gives tension no plastic strain. Choose energy, code, birtel-mark or none.</source>
            <translation>--tension-damage：unloading 是规范的受压卸载规则（C.2.5），规范未给出受拉的塑性应变。请选择 energy、code、birtel-mark 或 none。</translation>
        </message>
        <message>
            <source>--tension-damage: "%1" is none of energy, code, birtel-mark and none.</source>
            <translation>--tension-damage："%1" 不是 energy、code、birtel-mark、none 之一。</translation>
        </message>
        <message>
            <source>the code damage rule leaves Abaqus no plastic strain (the law's damage is secant), so the effective stress sigma/(1 - d) climbs to hundreds of N/mm2 and CDP analyses often fail to converge; the default, unloading, gives the code's own plastic strain (C.2.5)</source>
            <translation>规范损伤规则使 Abaqus 得不到塑性应变（本构关系的损伤按割线定义），有效应力 sigma/(1 - d) 会升至数百 N/mm2，CDP 分析常常不收敛；默认的 unloading 规则给出规范自身的塑性应变（C.2.5）</translation>
        </message>
    </context>
    <context>
        <name>AtomicFile</name>
        <message>
            <source>Cannot create file "%1". %2</source>
            <translation>无法创建文件 "%1"。%2</translation>
        </message>
        <message>
            <source>Cannot write file "%1". %2</source>
            <translation>无法写入文件 "%1"。%2</translation>
        </message>
    </context>
    <context>
        <name>Basis</name>
        <message>
            <source>Mean values (fcm, ftm), δc = %1</source>
            <translation>平均值 (fcm, ftm)，δc = %1</translation>
        </message>
        <message>
            <source>Design values (fc, ft)</source>
            <translation>设计值 (fc, ft)</translation>
        </message>
        <message>
            <source>Characteristic values (fc,k, ft,k)</source>
            <translation>标准值 (fc,k, ft,k)</translation>
        </message>
        <message>
            <source>Grade %1 lies outside C20–C80, the grades the law of GB 50010-2010 Appendix C is stated for.</source>
            <translation>强度等级 %1 不在 C20–C80 之内，GB 50010-2010 附录 C 的本构关系适用于该范围。</translation>
        </message>
        <message>
            <source>Mean Values</source>
            <translation>平均值</translation>
        </message>
        <message>
            <source>Coefficient of variation of the concrete strength δc
(from your test statistics, 0 &lt; δc &lt; %1):</source>
            <translation>混凝土强度变异系数 δc
（取自试验统计，0 &lt; δc &lt; %1）：</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>δc must be greater than 0 and less than %1.</source>
            <translation>δc 必须大于 0 且小于 %1。</translation>
        </message>
    </context>
    <context>
        <name>ChartPicture</name>
        <message>
            <source>Cannot draw the chart.</source>
            <translation>无法绘制图表。</translation>
        </message>
        <message>
            <source>Cannot encode the chart as a %1 picture.</source>
            <translation>无法将图表编码为 %1 图片。</translation>
        </message>
        <message>
            <source>Cannot draw the chart: not enough memory for %1 × %2 pixels.</source>
            <translation>无法绘制图表：内存不足以容纳 %1 × %2 像素。</translation>
        </message>
        <message>
            <source>Cannot draw the chart as an SVG picture.</source>
            <translation>无法将图表绘制为 SVG 图片。</translation>
        </message>
        <message>
            <source>Cannot draw the chart as a PDF document.</source>
            <translation>无法将图表绘制为 PDF 文档。</translation>
        </message>
        <message>
            <source>The scale %1 is not one of 1, 2 and 3.</source>
            <translation>倍率 %1 不是 1、2、3 之一。</translation>
        </message>
        <message>
            <source>A picture of %1 × %2 pixels at %3× is out of bounds (%4 to %5 pixels a side).</source>
            <translation>%1 × %2 像素、倍率 %3× 的图片超出范围（每边 %4 至 %5 像素）。</translation>
        </message>
        <message>
            <source>Cannot encode the chart as a PNG picture.</source>
            <translation>无法将图表编码为 PNG 图片。</translation>
        </message>
        <message>
            <source>This build of Tarvolin cannot write SVG pictures: choose PNG, PDF or BMP.</source>
            <translation>此版本的 Tarvolin 无法写出 SVG 图片：请选择 PNG、PDF 或 BMP。</translation>
        </message>
    </context>
    <context>
        <name>Cli</name>
        <message>
            <source>the file to write; - for standard output</source>
            <translation>要写入的文件；- 表示标准输出</translation>
        </message>
        <message>
            <source>the strength grade fcu,k (N/mm2), e.g. 30 or 22.5</source>
            <translation>强度等级 fcu,k (N/mm2)，例如 30 或 22.5</translation>
        </message>
        <message>
            <source>print JSON with full-precision numbers</source>
            <translation>以全精度数字输出 JSON</translation>
        </message>
        <message>
            <source>write the CSV file that Save Data writes</source>
            <translation>写出与“保存数据”相同的 CSV 文件</translation>
        </message>
        <message>
            <source>Writes exactly the bytes that Save Data writes for the same concretes: every concrete,
shown or hidden, in order.
</source>
            <translation>对相同的混凝土写出与“保存数据”逐字节相同的文件：按顺序包含每个混凝土，
无论显示与否。
</translation>
        </message>
        <message>
            <source>the decimal separator of the numbers: . or , (default: the locale's)</source>
            <translation>数字的小数点：. 或 ,（默认按区域设置）</translation>
        </message>
        <message>
            <source>the folder to write into</source>
            <translation>写入的文件夹</translation>
        </message>
        <message>
            <source>bmp (default), png, svg or pdf</source>
            <translation>bmp（默认）、png、svg 或 pdf</translation>
        </message>
        <message>
            <source>write Abaqus concrete damaged plasticity input</source>
            <translation>写出 Abaqus 混凝土塑性损伤（CDP）输入</translation>
        </message>
        <message>
            <source>N, mm, MPa (default) or N, m, Pa</source>
            <translation>N, mm, MPa（默认）或 N, m, Pa</translation>
        </message>
        <message>
            <source>Poisson's ratio, 0 &lt;= X &lt; 0.5 (0.2)</source>
            <translation>泊松比，0 &lt;= X &lt; 0.5 (0.2)</translation>
        </message>
        <message>
            <source>dilation angle in degrees, 0 &lt; X &lt; 90 (30)</source>
            <translation>膨胀角（度），0 &lt; X &lt; 90 (30)</translation>
        </message>
        <message>
            <source>flow potential eccentricity, X &gt; 0 (0.1)</source>
            <translation>流动势偏心率，X &gt; 0 (0.1)</translation>
        </message>
        <message>
            <source>biaxial to uniaxial compressive strength, X &gt; 1 (1.16)</source>
            <translation>双轴与单轴抗压强度之比，X &gt; 1 (1.16)</translation>
        </message>
        <message>
            <source>K, 0.5 &lt; X &lt;= 1 (0.6667)</source>
            <translation>K，0.5 &lt; X &lt;= 1 (0.6667)</translation>
        </message>
        <message>
            <source>viscosity parameter, X &gt;= 0 (0.0005)</source>
            <translation>黏性系数，X &gt;= 0 (0.0005)</translation>
        </message>
        <message>
            <source>at most N rows per table, 3 &lt;= N &lt;= 100000 (40)</source>
            <translation>每表最多 N 行，3 &lt;= N &lt;= 100000 (40)</translation>
        </message>
        <message>
            <source>the model of the CAE script (Model-1)</source>
            <translation>CAE 脚本的模型 (Model-1)</translation>
        </message>
        <message>
            <source>input file or CAE script (default: from FILE)</source>
            <translation>输入文件或 CAE 脚本（默认由 FILE 决定）</translation>
        </message>
        <message>
            <source>the tag of the first material; the others follow (1)</source>
            <translation>第一个材料的编号，其余依次递增 (1)</translation>
        </message>
        <message>
            <source>Tcl or OpenSeesPy (default: from FILE)</source>
            <translation>Tcl 或 OpenSeesPy（默认由 FILE 决定）</translation>
        </message>
        <message>
            <source>Usage: tarvolin-cli COMMAND [OPTIONS]
       tarvolin-cli --help | --version

Commands:
</source>
            <translation>用法：tarvolin-cli COMMAND [OPTIONS]
      tarvolin-cli --help | --version

命令：
</translation>
        </message>
        <message>
            <source>Usage: tarvolin-cli %1 %2
</source>
            <translation>用法：tarvolin-cli %1 %2
</translation>
        </message>
        <message>
            <source>
Options:
</source>
            <translation>
选项：
</translation>
        </message>
        <message>
            <source>  LIBRARY.json           the concretes of a library file
</source>
            <translation>  LIBRARY.json           材料库文件中的混凝土
</translation>
        </message>
        <message>
            <source>  --grade G              the concrete of strength grade G (repeatable)
</source>
            <translation>  --grade G              强度等级为 G 的混凝土（可重复）
</translation>
        </message>
        <message>
            <source>  --help                 this help
</source>
            <translation>  --help                 显示此帮助
</translation>
        </message>
        <message>
            <source>%1 needs a value.</source>
            <translation>%1 需要一个值。</translation>
        </message>
        <message>
            <source>Unexpected argument "%1".</source>
            <translation>多余的参数 "%1"。</translation>
        </message>
        <message>
            <source>Unknown option "%1".</source>
            <translation>未知选项 "%1"。</translation>
        </message>
        <message>
            <source>%1 takes no value.</source>
            <translation>%1 不接受值。</translation>
        </message>
        <message>
            <source>%1 is given twice.</source>
            <translation>%1 给出了两次。</translation>
        </message>
        <message>
            <source>-o is missing: say where to write.</source>
            <translation>缺少 -o：请指定写入位置。</translation>
        </message>
        <message>
            <source>The command %1 is not available in this build.</source>
            <translation>此版本不提供命令 %1。</translation>
        </message>
        <message>
            <source>Cannot write standard output.</source>
            <translation>无法写入标准输出。</translation>
        </message>
        <message>
            <source>No command given.</source>
            <translation>未给出命令。</translation>
        </message>
        <message>
            <source>Unknown command "%1".</source>
            <translation>未知命令 "%1"。</translation>
        </message>
        <message>
            <source>%1: Out of memory.
</source>
            <translation>%1：内存不足。
</translation>
        </message>
        <message>
            <source>--grade: %1</source>
            <translation>--grade：%1</translation>
        </message>
        <message>
            <source>--grade: %1 fcu,k must be positive!</source>
            <translation>--grade：%1：fcu,k 必须为正数！</translation>
        </message>
        <message>
            <source>--grade G is missing.</source>
            <translation>缺少 --grade G。</translation>
        </message>
        <message>
            <source>%1: concrete "%2", field %3: %4</source>
            <translation>%1：混凝土 "%2"，字段 %3：%4</translation>
        </message>
        <message>
            <source>--separator must be . or , (not "%1").</source>
            <translation>--separator 必须为 . 或 ,（而不是 "%1"）。</translation>
        </message>
        <message>
            <source>Cannot create the folder "%1".</source>
            <translation>无法创建文件夹 "%1"。</translation>
        </message>
        <message>
            <source>No concrete is shown: nothing to write.</source>
            <translation>没有显示的混凝土：无内容可写。</translation>
        </message>
        <message>
            <source>tarvolin-cli: note: concrete "%1" is written as material "%2".
</source>
            <translation>tarvolin-cli：注意：混凝土 "%1" 写为材料 "%2"。
</translation>
        </message>
        <message>
            <source>--format must be bmp, png, svg or pdf (not "%1").</source>
            <translation>--format 必须为 bmp、png、svg 或 pdf（而不是 "%1"）。</translation>
        </message>
        <message>
            <source>Cannot write into "%1": it is not a folder.</source>
            <translation>无法写入 "%1"：它不是文件夹。</translation>
        </message>
        <message>
            <source>compression elastic limit, fraction of fc, 0 &lt; X &lt;= 1 (0.4)</source>
            <translation>受压弹性极限，fc 的倍数，0 &lt; X &lt;= 1 (0.4)</translation>
        </message>
        <message>
            <source>E0: Ec (default) or the secant to the elastic limit</source>
            <translation>E0：Ec（默认）或弹性极限处的割线模量</translation>
        </message>
        <message>
            <source>birtel-mark's plastic share in compression, 0 &lt; X &lt;= 1 (0.7)</source>
            <translation>birtel-mark 受压塑性份额，0 &lt; X &lt;= 1 (0.7)</translation>
        </message>
        <message>
            <source>birtel-mark's plastic share in tension, 0 &lt; X &lt;= 1 (0.1)</source>
            <translation>birtel-mark 受拉塑性份额，0 &lt; X &lt;= 1 (0.1)</translation>
        </message>
        <message>
            <source>strain (default) or displacement: u = cracking strain x H</source>
            <translation>strain（应变，默认）或 displacement（位移）：u = 开裂应变 x H</translation>
        </message>
        <message>
            <source>crack-band width (element size) in the units' length, H &gt; 0</source>
            <translation>裂缝带宽度（单元尺寸），以所选单位的长度计，H &gt; 0</translation>
        </message>
        <message>
            <source>ConcreteD's plastic-strain parameter epssp, X &gt; 0 (0.25)</source>
            <translation>ConcreteD 塑性应变参数 epssp，X &gt; 0 (0.25)</translation>
        </message>
        <message>
            <source>ConcreteD's plastic-strain parameter etap, X &gt; 0 (1.15)</source>
            <translation>ConcreteD 塑性应变参数 etap，X &gt; 0 (1.15)</translation>
        </message>
        <message>
            <source>--basis must be characteristic, mean or design (not "%1").</source>
            <translation>--basis 必须为 characteristic、mean 或 design（而不是 "%1"）。</translation>
        </message>
        <message>
            <source>--cv is for --basis mean only.</source>
            <translation>--cv 只用于 --basis mean。</translation>
        </message>
        <message>
            <source>--cv X is missing: --basis mean needs delta c, 0 &lt; X &lt; 0.6.</source>
            <translation>缺少 --cv X：--basis mean 需要变异系数 δc，0 &lt; X &lt; 0.6。</translation>
        </message>
        <message>
            <source>--cv: %1</source>
            <translation>--cv：%1</translation>
        </message>
        <message>
            <source>--cv must be greater than 0 and less than 0.6 (not %1).</source>
            <translation>--cv 必须大于 0 且小于 0.6（而不是 %1）。</translation>
        </message>
        <message>
            <source>tarvolin-cli: note: grade %1 lies outside C20-C80, the grades the law of GB 50010-2010 Appendix C is stated for.
</source>
            <translation>tarvolin-cli：注意：强度等级 %1 不在 C20-C80 之内，GB 50010-2010 附录 C 的本构关系适用于该范围。
</translation>
        </message>
        <message>
            <source>characteristic (fc,k, ft,k)</source>
            <translation>标准值 (fc,k, ft,k)</translation>
        </message>
        <message>
            <source>design (fc, ft)</source>
            <translation>设计值 (fc, ft)</translation>
        </message>
        <message>
            <source>mean (fcm, ftm), δc = %1</source>
            <translation>平均值 (fcm, ftm)，δc = %1</translation>
        </message>
        <message>
            <source>Strength basis</source>
            <translation>强度取值</translation>
        </message>
        <message>
            <source>--tension displacement: %1.</source>
            <translation>--tension displacement：%1。</translation>
        </message>
        <message>
            <source>tarvolin-cli: warning: %1.
</source>
            <translation>tarvolin-cli：警告：%1。
</translation>
        </message>
        <message>
            <source>strengths of --grade and --steel: characteristic (default), mean or design</source>
            <translation>--grade 和 --steel 的强度取值：characteristic（标准值，默认）、mean（平均值）或 design（设计值）</translation>
        </message>
        <message>
            <source>coefficient of variation delta c (delta s), with --basis mean: 0 &lt; X &lt; 0.6</source>
            <translation>变异系数 δc（δs），用于 --basis mean：0 &lt; X &lt; 0.6</translation>
        </message>
        <message>
            <source>the name and the values that picking grade G (or steel GRADE) fills in</source>
            <translation>选择强度等级 G（或钢筋牌号 GRADE）后填入的名称和数值</translation>
        </message>
        <message>
            <source>a reinforcing steel grade, e.g. HRB400</source>
            <translation>钢筋牌号，例如 HRB400</translation>
        </message>
        <message>
            <source>write the concretes and steels into one library file</source>
            <translation>把混凝土和钢筋写入一个材料库文件</translation>
        </message>
        <message>
            <source>Writes the concretes and the steels of SOURCES, in order, into a library file that the
window opens (File &gt; Open Library...). Without steels it is a version-1 library, as
before steels existed; with steels version 2.
</source>
            <translation>按顺序把 SOURCES 中的混凝土和钢筋写入一个材料库文件，可在窗口中打开（文件 &gt; 打开材料库…）。
不含钢筋时为版本 1 的材料库，与有钢筋之前相同；含钢筋时为版本 2。
</translation>
        </message>
        <message>
            <source>Writes every steel of SOURCES, shown or hidden, in order: a table of the parameters,
then the corner points of each steel's curve (origin, yield, start of hardening,
ultimate), numbers as in the concrete CSV file.
</source>
            <translation>按顺序写出 SOURCES 中的每根钢筋（无论显示与否）：先是参数表，然后是每根钢筋曲线的
角点（原点、屈服、硬化起点、极限），数字格式与混凝土 CSV 文件相同。
</translation>
        </message>
        <message>
            <source>write Compression, Tension (and Steel) pictures of the charts</source>
            <translation>写出受压、受拉（及钢筋）图表的图片</translation>
        </message>
        <message>
            <source>Writes the Compression and Tension charts, with the curves of the shown concretes, as
Save Picture does: FOLDER/Compression.bmp and FOLDER/Tension.bmp. When SOURCES hold
steels, the steel chart too, with the curves of the shown steels, as FOLDER/Steel.bmp.
FOLDER is created when it does not exist. --width and --height set the size of every
picture in pixels (16 to 10000; each side not given stays the chart's own, 585 x 223,
585 x 203 and 585 x 396) and --scale gives a PNG twice or three times the pixels with
the same look, as the window's picture options do.
</source>
            <translation>像“保存图片”一样写出受压和受拉图表及所显示混凝土的曲线：FOLDER/Compression.bmp 和
FOLDER/Tension.bmp。SOURCES 含钢筋时还写出钢筋图表及所显示钢筋的曲线：FOLDER/Steel.bmp。
FOLDER 不存在时自动创建。--width 和 --height 设定每张图片的像素尺寸（16 至 10000；
未给出的边保持图表自身尺寸：585 x 223、585 x 203 和 585 x 396），--scale 使 PNG 在外观
不变的情况下像素增至两倍或三倍，与窗口中的图片选项相同。
</translation>
        </message>
        <message>
            <source>the width of every picture in pixels, 16 to 10000</source>
            <translation>每张图片的宽度（像素），16 至 10000</translation>
        </message>
        <message>
            <source>the height of every picture in pixels, 16 to 10000</source>
            <translation>每张图片的高度（像素），16 至 10000</translation>
        </message>
        <message>
            <source>PNG only: 2 or 3 times the pixels each way (1)</source>
            <translation>仅用于 PNG：每个方向像素增至 2 或 3 倍 (1)</translation>
        </message>
        <message>
            <source>steels' *Plastic: true (default) or nominal values</source>
            <translation>钢筋的 *Plastic：true（真实值，默认）或 nominal（名义值）</translation>
        </message>
        <message>
            <source>steels' Poisson's ratio, 0 &lt;= X &lt; 0.5 (0.3)</source>
            <translation>钢筋的泊松比，0 &lt;= X &lt; 0.5 (0.3)</translation>
        </message>
        <message>
            <source>write OpenSees ConcreteD materials (and steel materials)</source>
            <translation>写出 OpenSees ConcreteD 材料（及钢筋材料）</translation>
        </message>
        <message>
            <source>Writes what the window's Export &gt; OpenSees writes for the shown concretes of SOURCES
(the ones the export dialog starts with checked; the ones pictures draws), in order:
one uniaxialMaterial ConcreteD per concrete, as Tcl (.tcl) or OpenSeesPy (.py), as the
suffix of FILE says unless --format does; tcl for -o - and other suffixes.
ConcreteD follows the code's compression curve exactly, but its tension curve
differs from the code's by some 4 to 13 % of ft (the export dialog shows both).
The shown steels follow, their tags after the concretes': Hysteretic with the code's
curve as its envelope, or Steel02 with --steel-material steel02.
</source>
            <translation>按顺序为 SOURCES 中显示的混凝土（即导出对话框初始勾选的、pictures 绘制的混凝土）写出
与窗口中“导出到 OpenSees”相同的内容：每个混凝土一条 uniaxialMaterial ConcreteD，
为 Tcl（.tcl）或 OpenSeesPy（.py），由 FILE 的后缀决定，除非给出 --format；-o - 及
其他后缀为 tcl。
ConcreteD 的受压曲线与规范完全一致，但受拉曲线与规范相差约 ft 的 4% 至 13%
（导出对话框中可对比两者）。
所显示的钢筋随后写出，编号接在混凝土之后：以规范曲线为骨架的 Hysteretic，或加
--steel-material steel02 时为 Steel02。
</translation>
        </message>
        <message>
            <source>the steels' material (hysteretic)</source>
            <translation>钢筋的材料 (hysteretic)</translation>
        </message>
        <message>
            <source>
SOURCES: library files (.json) and --grade G, repeatable, taken in order. --grade G is
the concrete that picking G in the window and pressing Create Concrete makes (name
Con_G, end strains 0.016 and 700 x 10-6). Names must be unique across all sources.
--steel GRADE, repeatable too, is the reinforcing steel that picking GRADE in the steel
window and pressing Create Steel makes (e.g. HRB400); steels come from library files as
well, and their names must be unique among the steels.
--basis mean|design fills every --grade and --steel with mean or design strengths
instead of characteristic ones (names Con_Gm, HRB400m; Con_Gd, HRB400d); mean needs
--cv, the coefficient of variation (delta c, delta s) they share.

Run tarvolin-cli COMMAND --help for the options of a command.
Exit status: 0 success, 1 an input or output failed, 2 a wrong command line.
</source>
            <translation>
SOURCES：材料库文件（.json）和 --grade G，可重复，按给出的顺序读取。--grade G 即在
窗口中选择强度等级 G 后按“创建混凝土”得到的混凝土（名称 Con_G，极限应变 0.016 和
700 x 10-6）。所有来源中的名称必须互不相同。
--steel GRADE 也可重复，即在钢筋窗口中选择牌号 GRADE 后按“创建钢筋”得到的钢筋
（例如 HRB400）；钢筋也可来自材料库文件，钢筋名称必须互不相同。
--basis mean|design 使每个 --grade 和 --steel 采用强度平均值或设计值而非标准值（名称为
Con_Gm、HRB400m；Con_Gd、HRB400d）；mean 需要 --cv，即两者共用的变异系数（δc、δs）。

运行 tarvolin-cli COMMAND --help 查看某个命令的选项。
退出状态：0 成功，1 输入或输出失败，2 命令行有误。
</translation>
        </message>
        <message>
            <source>No concretes or steels: give library files, --grade G or --steel GRADE.</source>
            <translation>没有混凝土或钢筋：请给出材料库文件、--grade G 或 --steel GRADE。</translation>
        </message>
        <message>
            <source>--steel: "%1" is not a steel grade (%2).</source>
            <translation>--steel："%1" 不是钢筋牌号（%2）。</translation>
        </message>
        <message>
            <source>--grade and --steel: give one of them.</source>
            <translation>--grade 和 --steel：请只给出其中之一。</translation>
        </message>
        <message>
            <source>%1: steel "%2", field %3: %4</source>
            <translation>%1：钢筋 "%2"，字段 %3：%4</translation>
        </message>
        <message>
            <source>No concrete is shown (nor any steel): nothing to write.</source>
            <translation>没有显示的混凝土（也没有钢筋）：无内容可写。</translation>
        </message>
        <message>
            <source>tarvolin-cli: note: steel "%1" is written as material "%2".
</source>
            <translation>tarvolin-cli：注意：钢筋 "%1" 写为材料 "%2"。
</translation>
        </message>
        <message>
            <source>No steels have been created: nothing to write.</source>
            <translation>尚未创建任何钢筋：无内容可写。</translation>
        </message>
        <message>
            <source>Concrete names must be unique; given more than once: %1.</source>
            <translation>混凝土名称必须唯一；以下名称出现了不止一次：%1。</translation>
        </message>
        <message>
            <source>Steel names must be unique; given more than once: %1.</source>
            <translation>钢筋名称必须唯一；以下名称出现了不止一次：%1。</translation>
        </message>
        <message>
            <source>tarvolin-cli: note: --crack-band is used only with --tension displacement; the tension tables are against strain.
</source>
            <translation>tarvolin-cli：注意：--crack-band 只用于 --tension displacement；受拉表格以应变表示。
</translation>
        </message>
        <message>
            <source>tarvolin-cli: note: --bc and --bt are used only with --damage birtel-mark.
</source>
            <translation>tarvolin-cli：注意：--bc 和 --bt 只用于 --damage birtel-mark。
</translation>
        </message>
        <message>
            <source>characteristic (fy,k, fst,k)</source>
            <translation>标准值 (fy,k, fst,k)</translation>
        </message>
        <message>
            <source>design (fy, fst,k x fy / fy,k)</source>
            <translation>设计值 (fy, fst,k x fy / fy,k)</translation>
        </message>
        <message>
            <source>mean (fym, fstm), δs = %1</source>
            <translation>平均值 (fym, fstm)，δs = %1</translation>
        </message>
        <message>
            <source>Writes what the window's Export &gt; Abaqus writes for the shown concretes of SOURCES (the
ones the export dialog starts with checked; the ones pictures draws), in order: an
input file (.inp) or an Abaqus/CAE script (.py), as the suffix of FILE says unless
--output does; inp for -o - and other suffixes. A concrete the writer refuses (e.g. a
curve that ends before its peak) fails the command and nothing is written; names
that had to change for Abaqus are noted on stderr.

--damage unloading, the default, takes the compression damage from the code's
unloading rule (C.2.5): Abaqus derives exactly the code's plastic strain (held at the
largest damage reached beyond about 2.9 eps_c). Tension keeps energy, as before,
unless --tension-damage says otherwise; every other --damage serves both curves.
--damage code leaves Abaqus no plastic strain: the effective stress climbs to
hundreds of N/mm2 and CDP analyses often fail to converge (a warning on stderr);
birtel-mark makes a share --bc/--bt of the inelastic strain plastic.
--tension displacement needs --crack-band H.
The shown steels follow the concretes: *Elastic and *Plastic, true stress against
logarithmic plastic strain within 0.1 % of the curve up to eu (or the nominal values).
</source>
            <translation>按顺序为 SOURCES 中显示的混凝土（即导出对话框初始勾选的、pictures 绘制的混凝土）写出
与窗口中“导出到 Abaqus”相同的内容：输入文件（.inp）或 Abaqus/CAE 脚本（.py），由 FILE
的后缀决定，除非给出 --output；-o - 及其他后缀为 inp。若有混凝土被拒绝（例如曲线在
峰值前终止），命令失败且不写出任何内容；为 Abaqus 更改的名称在 stderr 上注明。

--damage unloading（默认）按规范的卸载规则（C.2.5）取受压损伤：Abaqus 推算出的塑性
应变正是规范的塑性应变（约 2.9 eps_c 以后损伤保持已达到的最大值）。受拉仍按 energy，
与以前相同，除非给出 --tension-damage；其他 --damage 规则同时用于受压和受拉。
--damage code 使 Abaqus 得不到塑性应变：有效应力会升至数百 N/mm2，CDP 分析常常
不收敛（stderr 上给出警告）；birtel-mark 把非弹性应变的 --bc/--bt 份额作为塑性应变。
--tension displacement 需要 --crack-band H。
所显示的钢筋排在混凝土之后：*Elastic 和 *Plastic，真应力对对数塑性应变，在 eu 以内与
曲线相差不超过 0.1 %（或名义值）。
</translation>
        </message>
        <message>
            <source>unloading (default), energy, code, birtel-mark or none</source>
            <translation>unloading（规范卸载，默认）、energy、code、birtel-mark 或 none</translation>
        </message>
        <message>
            <source>tension's own: energy, code, birtel-mark or none (as --damage; energy with unloading)</source>
            <translation>单独指定受拉损伤：energy、code、birtel-mark 或 none（默认同 --damage；unloading 时为 energy）</translation>
        </message>
        <message>
            <source>write the repeated-load paths of the shown concretes and steels</source>
            <translation>写出所显示混凝土和钢筋的反复加载路径</translation>
        </message>
        <message>
            <source>Writes the path that each shown concrete and steel of SOURCES follows through the
strain history LIST, concretes first, then steels, each in order: concrete after
GB 50010-2010 C.2.5 (unloading and reloading along one line toward the plastic strain)
and C.2.6, steel after C.1.3. LIST is strains in m/m separated by commas, each with a
decimal point, compression negative and tension positive as finite-element programs
take them; the first value is the start, reached along the envelope. Example:
  --history 0,-0.002,-0.001,-0.004,-0.0025,-0.008
The file: the line material,strain,stress, then one line a point, stress in N/mm2:
every value of LIST exactly, the corners of the rules, and between them points at
most S apart in strain (default 0.00001); at most 10000000 points in all.
Where the code is silent: concrete that crosses into tension cracks at its plastic
strain and unloads along its secant (1 - dt) Ec toward that point; a bar reversed
before its stress reaches zero goes back along the same elastic line and takes up its
branch again where it left it; a bar reversed on a reloading curve unloads along Es
and reloads toward the other direction's target; a bar strained beyond eu has failed
and carries nothing for the rest of the history.
</source>
            <translation>写出 SOURCES 中每个所显示的混凝土和钢筋在应变历史 LIST 下的路径，先混凝土后钢筋，
各按顺序：混凝土按 GB 50010-2010 C.2.5（卸载与再加载沿同一直线，指向塑性应变）和
C.2.6，钢筋按 C.1.3。LIST 为以逗号分隔的应变（m/m），用小数点书写，与有限元程序
一致，压为负、拉为正；第一个值为起点，沿骨架曲线加载到达。例如：
  --history 0,-0.002,-0.001,-0.004,-0.0025,-0.008
文件：首行 material,strain,stress，之后每点一行，应力单位 N/mm2：LIST 中的每个值
都原样出现，规则的转折点各为一点，其间各点的应变间隔不超过 S（默认 0.00001）；
总点数不超过 10000000。
规范未作规定之处：混凝土进入受拉时在其塑性应变处开裂，并沿割线 (1 - dt) Ec 向该点
卸载；钢筋在应力回到零之前反向时，沿同一弹性直线返回，并在离开处继续原来的分支；
钢筋在再加载曲线上反向时，沿 Es 卸载，再向另一方向的目标点再加载；钢筋沿骨架曲线
超过 eu 即已断裂，此后不再承载。
</translation>
        </message>
        <message>
            <source>the strains, comma-separated: the start, then where the strain goes</source>
            <translation>应变，以逗号分隔：先是起点，再依次是应变所到之处</translation>
        </message>
        <message>
            <source>the largest strain between two points, S &gt; 0 (0.00001)</source>
            <translation>相邻两点的最大应变间隔，S &gt; 0 (0.00001)</translation>
        </message>
        <message>
            <source>tarvolin-cli: note: --bc is used only with --damage birtel-mark.
</source>
            <translation>tarvolin-cli：注意：--bc 只用于 --damage birtel-mark。
</translation>
        </message>
        <message>
            <source>tarvolin-cli: note: --bt is used only where the tension damage is birtel-mark (--damage or --tension-damage).
</source>
            <translation>tarvolin-cli：注意：--bt 只用于受拉损伤为 birtel-mark 时（--damage 或 --tension-damage）。
</translation>
        </message>
        <message>
            <source>--history LIST is missing: give the strains, e.g. --history 0,-0.002,-0.001,-0.004.</source>
            <translation>缺少 --history LIST：请给出应变，例如 --history 0,-0.002,-0.001,-0.004。</translation>
        </message>
        <message>
            <source>--history: %1.</source>
            <translation>--history：%1。</translation>
        </message>
        <message>
            <source>--step: %1.</source>
            <translation>--step：%1。</translation>
        </message>
        <message>
            <source>No concrete or steel is shown: nothing to write.</source>
            <translation>没有显示的混凝土或钢筋：无内容可写。</translation>
        </message>
        <message>
            <source>write the steel CSV file: parameters and corner points</source>
            <translation>写出钢筋 CSV 文件：参数和转折点</translation>
        </message>
        <message>
            <source>  --steel GRADE          the reinforcing steel of GRADE (repeatable)
</source>
            <translation>  --steel GRADE          牌号为 GRADE 的钢筋（可重复）
</translation>
        </message>
        <message>
            <source>fit the code's law to a measured stress-strain curve</source>
            <translation>将规范的本构关系拟合到实测应力-应变曲线</translation>
        </message>
        <message>
            <source>Reads a measured compression curve from DATA (- for standard input) and, with
--tension-data, a tension curve, fits the law of GB 50010-2010 Appendix C to each by
least squares and prints the fitted values beside the code's values for the nearest
grade, with the RMS error, R2 and the points used and left out. Compression gives
fc,r (the peak of the fitted curve), the peak strain, ac and Ec (the law's initial
slope); tension ft,r, the peak strain and at.

Files as testing machines and spreadsheets write them: values separated by commas,
semicolons, tabs or blanks, a decimal point or comma, heading and comment lines
before the data. A heading naming the columns (strain, stress; any case, in Chinese
or as symbols) decides which is which, a unit in brackets the unit; otherwise strain
comes first, in m/m, and stress second, in MPa. Compression may be negative.
Points of unloading loops are left out: the envelope is fitted. At most 1,000,000
points and 100 MiB a file. --columns also takes two column numbers (strain first,
counted from 1); it and the units apply to both files.

With -o the fitted concrete is written into a library file (-o -: standard output,
and the fitted values go to standard error); without --tension-data its tension
comes from the code for the nearest grade. --json prints the fitted values under the
library's keys (name, Ec, fck, eck, ac, ftk, etk, at) with rms, r2 and points for
each branch fitted.
</source>
            <translation>从 DATA（- 表示标准输入）读取实测受压曲线，给出 --tension-data 时再读取受拉曲线，
用最小二乘法将 GB 50010-2010 附录 C 的本构关系分别拟合到曲线上，并把拟合值与
最接近等级的规范值并列输出，同时给出均方根误差、R2 以及参与拟合和剔除的点数。
受压给出 fc,r（拟合曲线的峰值）、峰值应变、ac 和 Ec（本构关系的初始斜率）；
受拉给出 ft,r、峰值应变和 at。

文件可以是试验机和电子表格写出的格式：数值之间用逗号、分号、制表符或空格分隔，
小数点或小数逗号均可，数据前可有表头和注释行。表头中的列名（strain、stress，
不区分大小写，也可用中文或符号）决定各列的含义，括号中的单位决定单位；否则第一列
为应变（m/m），第二列为应力（MPa）。受压可以记为负值。卸载滞回环上的点被剔除：
拟合的是包络线。每个文件最多 1,000,000 个点、100 MiB。--columns 也可以给出两个
列号（应变列在前，从 1 开始）；该选项和单位选项对两个文件都有效。

给出 -o 时把拟合的混凝土写入材料库文件（-o -：写到标准输出，拟合值改写到标准错误）；
没有 --tension-data 时，其受拉参数取自规范中最接近的等级。--json 以材料库的键名
（name、Ec、fck、eck、ac、ftk、etk、at）输出拟合值，并给出每条拟合曲线的 rms、r2
和 points。
</translation>
        </message>
        <message>
            <source>a measured tension curve to fit as well</source>
            <translation>同时拟合的实测受拉曲线</translation>
        </message>
        <message>
            <source>strain,stress or stress,strain, or two column numbers (strain first)</source>
            <translation>strain,stress 或 stress,strain，或两个列号（应变列在前）</translation>
        </message>
        <message>
            <source>the strains' unit: m/m, %, permille or microstrain</source>
            <translation>应变的单位：m/m、%、permille 或 microstrain</translation>
        </message>
        <message>
            <source>the stresses' unit: MPa (N/mm2), kPa or Pa</source>
            <translation>应力的单位：MPa (N/mm2)、kPa 或 Pa</translation>
        </message>
        <message>
            <source>hold fc,r at X (N/mm2)</source>
            <translation>将 fc,r 固定为 X (N/mm2)</translation>
        </message>
        <message>
            <source>hold ft,r at X (N/mm2); with --tension-data</source>
            <translation>将 ft,r 固定为 X (N/mm2)；需同时给出 --tension-data</translation>
        </message>
        <message>
            <source>hold Ec at EC (N/mm2)</source>
            <translation>将 Ec 固定为 EC (N/mm2)</translation>
        </message>
        <message>
            <source>the concrete's name (default: DATA's file name)</source>
            <translation>混凝土名称（默认：DATA 的文件名）</translation>
        </message>
        <message>
            <source>write a library holding the fitted concrete; - for standard output</source>
            <translation>写出包含拟合混凝土的材料库；- 表示标准输出</translation>
        </message>
        <message>
            <source>--%1: %2</source>
            <translation>--%1：%2</translation>
        </message>
        <message>
            <source>--%1 must be greater than zero (not %2).</source>
            <translation>--%1 必须大于零（而不是 %2）。</translation>
        </message>
        <message>
            <source>--columns must be strain,stress, stress,strain or two different column numbers such as 3,5 (not "%1").</source>
            <translation>--columns 必须为 strain,stress、stress,strain 或两个不同的列号（如 3,5）（而不是 "%1"）。</translation>
        </message>
        <message>
            <source>--strain-unit must be m/m, %, permille or microstrain (not "%1").</source>
            <translation>--strain-unit 必须为 m/m、%、permille 或 microstrain（而不是 "%1"）。</translation>
        </message>
        <message>
            <source>--stress-unit must be MPa, kPa or Pa (not "%1").</source>
            <translation>--stress-unit 必须为 MPa、kPa 或 Pa（而不是 "%1"）。</translation>
        </message>
        <message>
            <source>more than 100 MiB, the limit for a measured curve</source>
            <translation>超过 100 MiB，即实测曲线的上限</translation>
        </message>
        <message>
            <source>standard input</source>
            <translation>标准输入</translation>
        </message>
        <message>
            <source>%1 (from the heading)</source>
            <translation>%1（取自表头）</translation>
        </message>
        <message>
            <source>%1 (as given)</source>
            <translation>%1（按选项）</translation>
        </message>
        <message>
            <source>%1 (no unit given)</source>
            <translation>%1（未给出单位）</translation>
        </message>
        <message>
            <source>%1: strain in column %2, %3; stress in column %4, %5; data from line %6</source>
            <translation>%1：应变在第 %2 列，%3；应力在第 %4 列，%5；数据从第 %6 行开始</translation>
        </message>
        <message>
            <source>; written negative</source>
            <translation>；以负值记录</translation>
        </message>
        <message>
            <source>%1 (held)</source>
            <translation>%1（固定）</translation>
        </message>
        <message>
            <source>C%1 (code)</source>
            <translation>C%1（规范）</translation>
        </message>
        <message>
            <source>Compression data</source>
            <translation>受压数据</translation>
        </message>
        <message>
            <source>Tension data</source>
            <translation>受拉数据</translation>
        </message>
        <message>
            <source>fitted</source>
            <translation>拟合值</translation>
        </message>
        <message>
            <source>compression</source>
            <translation>受压</translation>
        </message>
        <message>
            <source>tension</source>
            <translation>受拉</translation>
        </message>
        <message>
            <source>RMS error (N/mm2)</source>
            <translation>均方根误差 (N/mm2)</translation>
        </message>
        <message>
            <source>R²</source>
            <translation>R²</translation>
        </message>
        <message>
            <source>Highest measured stress (N/mm2)</source>
            <translation>实测最大应力 (N/mm2)</translation>
        </message>
        <message>
            <source>Points used</source>
            <translation>参与拟合的点数</translation>
        </message>
        <message>
            <source>Left out: unloading loops</source>
            <translation>剔除：卸载滞回环</translation>
        </message>
        <message>
            <source>Left out: negative strain</source>
            <translation>剔除：负应变</translation>
        </message>
        <message>
            <source>tarvolin-cli: note: %1
</source>
            <translation>tarvolin-cli：注意：%1
</translation>
        </message>
        <message>
            <source>DATA is missing: name the file of the measured compression curve.</source>
            <translation>缺少 DATA：请给出实测受压曲线的文件。</translation>
        </message>
        <message>
            <source>One DATA file only ("%1" too); a tension curve goes after --tension-data.</source>
            <translation>只能给出一个 DATA 文件（多出 "%1"）；受拉曲线请放在 --tension-data 之后。</translation>
        </message>
        <message>
            <source>--fix-ft holds the fitted ft,r: it needs --tension-data.</source>
            <translation>--fix-ft 固定拟合的 ft,r：需要 --tension-data。</translation>
        </message>
        <message>
            <source>Standard input can hold one curve only.</source>
            <translation>标准输入只能提供一条曲线。</translation>
        </message>
        <message>
            <source>--name: %1</source>
            <translation>--name：%1</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1：%2</translation>
        </message>
        <message>
            <source>%1: the fitted concrete "%2", field %3: %4 Nothing was written.</source>
            <translation>%1：拟合的混凝土 "%2"，字段 %3：%4 未写入任何内容。</translation>
        </message>
        <message>
            <source>the fit stopped at its limit of evaluations before it converged; check the values against the points.</source>
            <translation>拟合在达到函数求值次数上限时停止，尚未收敛；请对照实测点检查结果。</translation>
        </message>
        <message>
            <source>no tension data: the concrete's ft,r %1, εt,r %2 x 10-6 and at %3 are the code's for C%4, the grade nearest the fitted fc,r.</source>
            <translation>没有受拉数据：该混凝土的 ft,r %1、εt,r %2 x 10-6 和 at %3 取自规范中与拟合的 fc,r 最接近的等级 C%4。</translation>
        </message>
        <message>
            <source>hold Ec at the code's Ec for grade G (fcu,k, N/mm2)</source>
            <translation>将 Ec 固定为规范中等级 G（fcu,k，N/mm2）的 Ec</translation>
        </message>
        <message>
            <source>--fix-modulus and --modulus-from-grade both hold Ec: give one of them.</source>
            <translation>--fix-modulus 和 --modulus-from-grade 都固定 Ec：只能给出其中一个。</translation>
        </message>
        <message>
            <source>Prints what the definition fields show once grade G is picked in the window: the
strength basis, the name and Ec, fc,r, ft,r, the peak strains (10-6) and the shape
parameters, with the decimal separator of the locale. With --json: the same
unrounded, as JSON numbers (strains in m/m), with "basis" (and "cv").
With --steel GRADE instead: what the steel window's fields show for a reinforcing
steel grade (HPB300, HRB335, HRB400, HRBF400, RRB400, HRB500, HRBF500) on the basis:
the name, Es, fy, fst, the yield strain, euy (an assumption: the code gives none) and
eu; with --json the library's keys name, Es, fy, fst, euy, eu, basis (and cv).
</source>
            <translation>输出在窗口中选择强度等级 G 后定义栏显示的内容：强度取值、名称和 Ec、fc,r、ft,r、
峰值应变 (10-6) 及下降段参数，小数点按区域设置。加 --json 时输出未经舍入的同样数值，
为 JSON 数字（应变以 m/m 计），并含 "basis"（及 "cv"）。
改用 --steel GRADE 时：输出钢筋窗口中该钢筋牌号（HPB300、HRB335、HRB400、HRBF400、
RRB400、HRB500、HRBF500）按强度取值显示的内容：名称、Es、fy、fst、屈服应变、euy（假定值：
规范未给出）和 eu；加 --json 时为材料库的键 name、Es、fy、fst、euy、eu、basis（及 cv）。
</translation>
        </message>
        <message>
            <source>--grade: %1 fcu,k is too large!</source>
            <translation>--grade：%1：fcu,k 过大！</translation>
        </message>
        <message>
            <source>Cannot write: %1</source>
            <translation>无法写出：%1</translation>
        </message>
        <message>
            <source>Nothing was written.</source>
            <translation>未写入任何内容。</translation>
        </message>
        <message>
            <source>Cannot start "%1": %2.</source>
            <translation>无法启动 "%1"：%2。</translation>
        </message>
        <message>
            <source>--%1 must be a whole number of pixels from %2 to %3 (not "%4").</source>
            <translation>--%1 必须为 %2 至 %3 的整数像素（而不是 "%4"）。</translation>
        </message>
        <message>
            <source>--scale must be 1, 2 or 3 (not "%1").</source>
            <translation>--scale 必须为 1、2 或 3（而不是 "%1"）。</translation>
        </message>
        <message>
            <source>--scale is for PNG pictures only (--format png).</source>
            <translation>--scale 仅用于 PNG 图片（--format png）。</translation>
        </message>
        <message>
            <source>--%1 %2 at --scale %3 makes %4 pixels; a picture has at most %5 a side.</source>
            <translation>--%1 %2 在 --scale %3 下为 %4 像素；图片每边最多 %5 像素。</translation>
        </message>
        <message>
            <source>pictures writes its files into a folder: -o - is for text outputs.</source>
            <translation>pictures 将文件写入文件夹：-o - 仅用于文本输出。</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Usage: tarvolin [options] [library]
Builds the stress-strain curves of concrete after GB 50010-2010, Appendix C.

Options:
  -h, --help     Displays this help.
  -v, --version  Displays version information.

Arguments:
  library        A Tarvolin library (*.json) to open at start-up.
</source>
            <translation>用法：tarvolin [选项] [library]
按 GB 50010-2010 附录 C 生成混凝土的应力-应变曲线。

选项：
  -h, --help     显示此帮助。
  -v, --version  显示版本信息。

参数：
  library        启动时打开的 Tarvolin 材料库（*.json）。
</translation>
        </message>
        <message>
            <source>Only one library can be opened at start-up.</source>
            <translation>启动时只能打开一个材料库。</translation>
        </message>
    </context>
    <context>
        <name>CsvExport</name>
        <message>
            <source>The end strains are too large: the curves would need more than %1 rows.</source>
            <translation>极限应变过大：曲线将需要超过 %1 行。</translation>
        </message>
    </context>
    <context>
        <name>CurveFit</name>
        <message>
            <source>%1 must be a positive number to be held fixed.</source>
            <translation>%1 必须为正数才能固定。</translation>
        </message>
        <message>
            <source>The law could not be fitted to the points.</source>
            <translation>无法将本构关系拟合到这些点。</translation>
        </message>
    </context>
    <context>
        <name>Cyclic</name>
        <message>
            <source>the list of strains is empty</source>
            <translation>应变列表为空</translation>
        </message>
        <message>
            <source>value %1 is not a finite number</source>
            <translation>第 %1 个值不是有限数</translation>
        </message>
        <message>
            <source>value %1, %2, lies beyond -1 to 1: strains are in m/m (-0.002, not -2000 microstrain)</source>
            <translation>第 %1 个值 %2 超出 -1 到 1：应变以 m/m 计（应写 -0.002，而不是 -2000 微应变）</translation>
        </message>
        <message>
            <source>one strain is no history: give the start and at least one strain to go to</source>
            <translation>一个应变构不成加载历史：请给出起点和至少一个要到达的应变</translation>
        </message>
        <message>
            <source>value %1 is empty</source>
            <translation>第 %1 个值为空</translation>
        </message>
        <message>
            <source>value %1, "%2", is not a number (strains are written with a decimal point, e.g. -0.002)</source>
            <translation>第 %1 个值 "%2" 不是数字（应变用小数点书写，例如 -0.002）</translation>
        </message>
        <message>
            <source>"%1" is not a number greater than 0</source>
            <translation>"%1" 不是大于 0 的数</translation>
        </message>
        <message>
            <source>the paths would have more than %1 points; choose a larger step or a shorter history</source>
            <translation>路径将超过 %1 个点；请选用更大的步长或更短的加载历史</translation>
        </message>
    </context>
    <context>
        <name>FieldText</name>
        <message>
            <source>%1 is not a valid floating number!</source>
            <translation>%1 不是有效的浮点数！</translation>
        </message>
    </context>
    <context>
        <name>FitTestDataDialog</name>
        <message>
            <source>Fit to Test Data</source>
            <translation>拟合试验数据</translation>
        </message>
        <message>
            <source>Compression curve</source>
            <translation>受压曲线</translation>
        </message>
        <message>
            <source>Tension curve (optional)</source>
            <translation>受拉曲线（可选）</translation>
        </message>
        <message>
            <source>Hold values instead of fitting them</source>
            <translation>固定以下数值（不参与拟合）</translation>
        </message>
        <message>
            <source>fc,r (N/mm2)</source>
            <translation>fc,r (N/mm2)</translation>
        </message>
        <message>
            <source>Ec (N/mm2)</source>
            <translation>Ec (N/mm2)</translation>
        </message>
        <message>
            <source>ft,r (N/mm2)</source>
            <translation>ft,r (N/mm2)</translation>
        </message>
        <message>
            <source>RMS error (N/mm2)</source>
            <translation>均方根误差 (N/mm2)</translation>
        </message>
        <message>
            <source>R²</source>
            <translation>R²</translation>
        </message>
        <message>
            <source>Highest measured stress (N/mm2)</source>
            <translation>实测最大应力 (N/mm2)</translation>
        </message>
        <message>
            <source>Points used</source>
            <translation>参与拟合的点数</translation>
        </message>
        <message>
            <source>Left out: unloading loops</source>
            <translation>剔除：卸载滞回环</translation>
        </message>
        <message>
            <source>Left out: negative strain</source>
            <translation>剔除：负应变</translation>
        </message>
        <message>
            <source>Compression</source>
            <translation>受压</translation>
        </message>
        <message>
            <source>Tension</source>
            <translation>受拉</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Held %1: %2</source>
            <translation>固定的 %1：%2</translation>
        </message>
        <message>
            <source>Held %1 must be greater than zero.</source>
            <translation>固定的 %1 必须大于零。</translation>
        </message>
        <message>
            <source>Choose the file of the measured compression curve.</source>
            <translation>请选择实测受压曲线文件。</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1：%2</translation>
        </message>
        <message>
            <source>The fit of %1 stopped at its limit of evaluations before it converged; check the values against the points.</source>
            <translation>%1 的拟合在达到函数求值次数上限时停止，尚未收敛；请对照实测点检查结果。</translation>
        </message>
        <message>
            <source>No tension data: ft,r, εt,r and αt will be the code's for C%1, the grade nearest the fitted fc,r.</source>
            <translation>没有受拉数据：ft,r、εt,r 和 αt 将取规范中与拟合的 fc,r 最接近的等级 C%1 的值。</translation>
        </message>
        <message>
            <source>%1 (held)</source>
            <translation>%1（固定）</translation>
        </message>
        <message>
            <source>Fitted</source>
            <translation>拟合值</translation>
        </message>
        <message>
            <source>C%1 (code)</source>
            <translation>C%1（规范）</translation>
        </message>
        <message>
            <source>Code</source>
            <translation>规范值</translation>
        </message>
    </context>
    <context>
        <name>LibraryFile</name>
        <message>
            <source>Cannot open library "%1". %2</source>
            <translation>无法打开材料库 "%1"。%2</translation>
        </message>
        <message>
            <source>a list</source>
            <translation>列表</translation>
        </message>
        <message>
            <source>an object</source>
            <translation>对象</translation>
        </message>
        <message>
            <source>Concrete %1</source>
            <translation>第 %1 个混凝土</translation>
        </message>
        <message>
            <source>%1, field "%2": %3</source>
            <translation>%1，字段 "%2"：%3</translation>
        </message>
        <message>
            <source>the field is missing.</source>
            <translation>缺少该字段。</translation>
        </message>
        <message>
            <source>%1 is not a text.</source>
            <translation>%1 不是文本。</translation>
        </message>
        <message>
            <source>%1 is not a number.</source>
            <translation>%1 不是数字。</translation>
        </message>
        <message>
            <source>%1 is neither true nor false.</source>
            <translation>%1 既不是 true 也不是 false。</translation>
        </message>
        <message>
            <source>The file is larger than 16 MiB.</source>
            <translation>文件大于 16 MiB。</translation>
        </message>
        <message>
            <source>The file is not a Tarvolin library: %1 at byte %2.</source>
            <translation>该文件不是 Tarvolin 材料库：%1（第 %2 字节）。</translation>
        </message>
        <message>
            <source>The file is not a Tarvolin library.</source>
            <translation>该文件不是 Tarvolin 材料库。</translation>
        </message>
        <message>
            <source>Field "version": %1 is not a number.</source>
            <translation>字段 "version"：%1 不是数字。</translation>
        </message>
        <message>
            <source>The library version %1 is not known.</source>
            <translation>未知的材料库版本 %1。</translation>
        </message>
        <message>
            <source>Field "concretes": the field is missing.</source>
            <translation>字段 "concretes"：缺少该字段。</translation>
        </message>
        <message>
            <source>Field "concretes": %1 is not a list.</source>
            <translation>字段 "concretes"：%1 不是列表。</translation>
        </message>
        <message>
            <source>Concrete %1: %2 is not an object.</source>
            <translation>第 %1 个混凝土：%2 不是对象。</translation>
        </message>
        <message>
            <source>concrete %1 has the same name.</source>
            <translation>与第 %1 个混凝土同名。</translation>
        </message>
        <message>
            <source>%1 is not "characteristic", "mean" or "design".</source>
            <translation>%1 不是 "characteristic"、"mean" 或 "design"。</translation>
        </message>
        <message>
            <source>only mean values have a coefficient of variation.</source>
            <translation>只有平均值才有变异系数。</translation>
        </message>
        <message>
            <source>%1 is not between 0 and 0.6.</source>
            <translation>%1 不在 0 与 0.6 之间。</translation>
        </message>
        <message>
            <source>Field "steels": %1 is not a list.</source>
            <translation>字段 "steels"：%1 不是列表。</translation>
        </message>
        <message>
            <source>Steel %1: %2 is not an object.</source>
            <translation>钢筋 %1：%2 不是对象。</translation>
        </message>
        <message>
            <source>Steel %1</source>
            <translation>钢筋 %1</translation>
        </message>
        <message>
            <source>steel %1 has the same name.</source>
            <translation>与钢筋 %1 同名。</translation>
        </message>
        <message>
            <source>The library has version %1, written by a newer Tarvolin; this one reads versions up to %2.</source>
            <translation>该材料库的版本为 %1，由较新的 Tarvolin 写入；本程序最高只能读取版本 %2。</translation>
        </message>
    </context>
    <context>
        <name>MeasuredCurve</name>
        <message>
            <source>the strain and the stress must be two different columns</source>
            <translation>应变和应力必须是两个不同的列</translation>
        </message>
        <message>
            <source>strain</source>
            <translation>应变</translation>
        </message>
        <message>
            <source>stress</source>
            <translation>应力</translation>
        </message>
        <message>
            <source>the heading names more than one %1 column (%2 and %3); choose the columns</source>
            <translation>表头中有不止一列名为%1（第 %2 列和第 %3 列）；请指定列</translation>
        </message>
        <message>
            <source>%1 columns, and no heading names the strain and the stress column; choose the columns</source>
            <translation>共 %1 列，且没有表头指明应变列和应力列；请指定列</translation>
        </message>
        <message>
            <source>The heading (line %1) names no strain or stress column: the first column is read as strain, the second as stress.</source>
            <translation>表头（第 %1 行）未指明应变列或应力列：第一列按应变读取，第二列按应力读取。</translation>
        </message>
        <message>
            <source>the data has %1 columns; there is no column %2</source>
            <translation>数据只有 %1 列，没有第 %2 列</translation>
        </message>
        <message>
            <source>the heading gives the strain in "%1"; Tarvolin reads m/m, %, ‰ and µε: choose the unit</source>
            <translation>表头给出的应变单位为 "%1"；Tarvolin 可读取 m/m、%、‰ 和 µε：请指定单位</translation>
        </message>
        <message>
            <source>"%1" in the strain column's heading is no unit Tarvolin knows: strains are read in m/m.</source>
            <translation>应变列表头中的 "%1" 不是 Tarvolin 认识的单位：应变按 m/m 读取。</translation>
        </message>
        <message>
            <source>the heading gives the stress in "%1"; Tarvolin reads MPa (N/mm²), kPa and Pa: choose the unit</source>
            <translation>表头给出的应力单位为 "%1"；Tarvolin 可读取 MPa (N/mm²)、kPa 和 Pa：请指定单位</translation>
        </message>
        <message>
            <source>"%1" in the stress column's heading is no unit Tarvolin knows: stresses are read in MPa.</source>
            <translation>应力列表头中的 "%1" 不是 Tarvolin 认识的单位：应力按 MPa 读取。</translation>
        </message>
        <message>
            <source>The peak lies at a strain of %1, read in m/m as no heading or option gave a unit. If the strains are in %, ‰ or µε, choose that unit.</source>
            <translation>峰值点的应变为 %1（表头和选项均未给出单位，按 m/m 读取）。如果应变的单位是 %、‰ 或 µε，请指定该单位。</translation>
        </message>
        <message>
            <source>The peak stress is %1, read in MPa as no heading or option gave a unit. If the stresses are in kPa or Pa, choose that unit.</source>
            <translation>峰值应力为 %1（表头和选项均未给出单位，按 MPa 读取）。如果应力的单位是 kPa 或 Pa，请指定该单位。</translation>
        </message>
        <message>
            <source>%1, line %2: %3</source>
            <translation>%1，第 %2 行：%3</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1：%2</translation>
        </message>
        <message>
            <source>the file is larger than 100 MiB, the limit for a measured curve</source>
            <translation>文件大于 100 MiB，超出实测曲线的上限</translation>
        </message>
        <message>
            <source>choose both the strain and the stress column</source>
            <translation>请同时指定应变列和应力列</translation>
        </message>
        <message>
            <source>the file is empty</source>
            <translation>文件为空</translation>
        </message>
        <message>
            <source>no line of data: no line holds two numbers that the next lines follow</source>
            <translation>没有数据行：没有一行包含两个数字并有后续数据行接续</translation>
        </message>
        <message>
            <source>more than 1,000,000 points, the limit for a measured curve</source>
            <translation>超过 1,000,000 个点，即实测曲线的上限</translation>
        </message>
        <message>
            <source>not a line of data: no column %1 (%2) in "%3"</source>
            <translation>不是数据行："%3" 中没有第 %1 列（%2）</translation>
        </message>
        <message>
            <source>column %1 (%2) is empty</source>
            <translation>第 %1 列（%2）为空</translation>
        </message>
        <message>
            <source>column %1 (%2) holds "%3", which is not a number (NaN)</source>
            <translation>第 %1 列（%2）为 "%3"，不是数字（NaN）</translation>
        </message>
        <message>
            <source>column %1 (%2) holds "%3", an infinite value or one beyond the range of numbers</source>
            <translation>第 %1 列（%2）为 "%3"，是无穷大或超出数值范围的值</translation>
        </message>
        <message>
            <source>not a line of data: "%1" in column %2 (%3) is not a number</source>
            <translation>不是数据行：第 %2 列（%3）中的 "%1" 不是数字</translation>
        </message>
        <message>
            <source>a value is too large</source>
            <translation>数值过大</translation>
        </message>
        <message>
            <source>no point lies at a positive strain</source>
            <translation>没有应变为正的点</translation>
        </message>
        <message>
            <source>no stress is above zero</source>
            <translation>没有大于零的应力</translation>
        </message>
        <message>
            <source>no peak: the stress rises up to the last point, so the curve has no descending branch</source>
            <translation>没有峰值：应力一直上升到最后一点，曲线没有下降段</translation>
        </message>
        <message>
            <source>%1 points up to the peak (this line); a branch needs at least 5 points</source>
            <translation>峰值点（本行）及之前只有 %1 个点；每段至少需要 5 个点</translation>
        </message>
        <message>
            <source>%1 points after the peak (up to this line); a branch needs at least 5 points</source>
            <translation>峰值之后（到本行为止）只有 %1 个点；每段至少需要 5 个点</translation>
        </message>
        <message>
            <source>this is a folder, not a file</source>
            <translation>这是文件夹，不是文件</translation>
        </message>
        <message>
            <source>cannot be opened (%1)</source>
            <translation>无法打开（%1）</translation>
        </message>
        <message>
            <source>cannot be read</source>
            <translation>无法读取</translation>
        </message>
    </context>
    <context>
        <name>MeasuredFilePanel</name>
        <message>
            <source>File:</source>
            <translation>文件：</translation>
        </message>
        <message>
            <source>Browse…</source>
            <translation>浏览…</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>清除</translation>
        </message>
        <message>
            <source>auto</source>
            <translation>自动</translation>
        </message>
        <message>
            <source>Strain column</source>
            <translation>应变列</translation>
        </message>
        <message>
            <source>Stress column</source>
            <translation>应力列</translation>
        </message>
        <message>
            <source>Strain unit</source>
            <translation>应变单位</translation>
        </message>
        <message>
            <source>Stress unit</source>
            <translation>应力单位</translation>
        </message>
        <message>
            <source>Open Measured Curve</source>
            <translation>打开实测曲线</translation>
        </message>
        <message>
            <source>Measured curves (*.csv *.txt *.dat *.tsv *.prn);;All files (*)</source>
            <translation>实测曲线 (*.csv *.txt *.dat *.tsv *.prn);;所有文件 (*)</translation>
        </message>
        <message>
            <source>%1: not enough memory to read the file.</source>
            <translation>%1：内存不足，无法读取该文件。</translation>
        </message>
        <message>
            <source>from the heading</source>
            <translation>取自表头</translation>
        </message>
        <message>
            <source>as chosen</source>
            <translation>按所选</translation>
        </message>
        <message>
            <source>not given</source>
            <translation>未注明</translation>
        </message>
        <message>
            <source>Columns %1, strain unit %2, stress unit %3.</source>
            <translation>列：%1；应变单位：%2；应力单位：%3。</translation>
        </message>
        <message>
            <source>in the usual order</source>
            <translation>按默认顺序（先应变后应力）</translation>
        </message>
        <message>
            <source>%1 points read: %2 fitted, %3 of unloading loops and %4 at negative strain left out.</source>
            <translation>读入 %1 个点：拟合 %2 个，剔除卸载滞回环上的 %3 个和负应变的 %4 个。</translation>
        </message>
        <message>
            <source>Written negative: read as positive.</source>
            <translation>文件中为负值：按正值读取。</translation>
        </message>
        <message>
            <source>Data from line %1 (lines skipped before it: %2).</source>
            <translation>数据从第 %1 行开始（其前跳过的行数：%2）。</translation>
        </message>
    </context>
    <context>
        <name>MessageDlg</name>
        <message>
            <source>Warning</source>
            <translation>警告</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>提示</translation>
        </message>
    </context>
    <context>
        <name>OpenSeesWriter</name>
        <message>
            <source>--first-tag: "%1" is not a whole number from 1 to %2.</source>
            <translation>--first-tag："%1" 不是 1 到 %2 之间的整数。</translation>
        </message>
        <message>
            <source>--format: "%1" is neither tcl nor py.</source>
            <translation>--format："%1" 既不是 tcl 也不是 py。</translation>
        </message>
        <message>
            <source>the tags from %1 on do not fit OpenSees</source>
            <translation>从 %1 起的材料编号超出 OpenSees 的范围</translation>
        </message>
        <message>
            <source>ConcreteD needs positive, finite values of fc,k, eps_c,k, ft,k, eps_t,k, Ec, alpha_c and alpha_t</source>
            <translation>ConcreteD 要求 fc,k、eps_c,k、ft,k、eps_t,k、Ec、alpha_c 和 alpha_t 均为有限正数</translation>
        </message>
        <message>
            <source>--%1: "%2" is not a number above 0.</source>
            <translation>--%1："%2" 不是大于 0 的数。</translation>
        </message>
    </context>
    <context>
        <name>QtReason</name>
        <message>
            <source>No such file or directory</source>
            <translation>没有该文件或目录</translation>
        </message>
        <message>
            <source>Permission denied</source>
            <translation>权限不足</translation>
        </message>
        <message>
            <source>Too many open files</source>
            <translation>打开的文件过多</translation>
        </message>
        <message>
            <source>No space left on device</source>
            <translation>设备上没有剩余空间</translation>
        </message>
        <message>
            <source>Unknown error</source>
            <translation>未知错误</translation>
        </message>
        <message>
            <source>Filename refers to a directory</source>
            <translation>该文件名指向一个文件夹</translation>
        </message>
        <message>
            <source>file to open is a directory</source>
            <translation>要打开的是一个文件夹</translation>
        </message>
        <message>
            <source>Existing file %1 is not writable</source>
            <translation>已有文件 %1 不可写</translation>
        </message>
        <message>
            <source>Writing canceled by application</source>
            <translation>写入被程序取消</translation>
        </message>
        <message>
            <source>unterminated object</source>
            <translation>对象未结束</translation>
        </message>
        <message>
            <source>missing name separator</source>
            <translation>缺少名称分隔符</translation>
        </message>
        <message>
            <source>unterminated array</source>
            <translation>数组未结束</translation>
        </message>
        <message>
            <source>missing value separator</source>
            <translation>缺少值分隔符</translation>
        </message>
        <message>
            <source>illegal value</source>
            <translation>非法值</translation>
        </message>
        <message>
            <source>invalid termination by number</source>
            <translation>以数字非法结束</translation>
        </message>
        <message>
            <source>illegal number</source>
            <translation>非法数字</translation>
        </message>
        <message>
            <source>invalid escape sequence</source>
            <translation>无效的转义序列</translation>
        </message>
        <message>
            <source>invalid UTF8 string</source>
            <translation>无效的 UTF-8 字符串</translation>
        </message>
        <message>
            <source>unterminated string</source>
            <translation>字符串未结束</translation>
        </message>
        <message>
            <source>object is missing after a comma</source>
            <translation>逗号后缺少对象</translation>
        </message>
        <message>
            <source>too deeply nested document</source>
            <translation>文档嵌套过深</translation>
        </message>
        <message>
            <source>too large document</source>
            <translation>文档过大</translation>
        </message>
        <message>
            <source>garbage at the end of the document</source>
            <translation>文档末尾有多余内容</translation>
        </message>
    </context>
    <context>
        <name>Refusal</name>
        <message>
            <source>Axial Compression Strength must be postive.</source>
            <translation>轴心抗压强度必须为正数。</translation>
        </message>
        <message>
            <source>Axial Tension Strength must be postive.</source>
            <translation>轴心抗拉强度必须为正数。</translation>
        </message>
        <message>
            <source>Ec must be postive.</source>
            <translation>Ec 必须为正数。</translation>
        </message>
        <message>
            <source>Peak Compression Strain must be postive.</source>
            <translation>峰值压应变必须为正数。</translation>
        </message>
        <message>
            <source>Peak Tesnsion Strain must be postive.</source>
            <translation>峰值拉应变必须为正数。</translation>
        </message>
        <message>
            <source>Shape parameter must be postive.</source>
            <translation>下降段参数必须为正数。</translation>
        </message>
        <message>
            <source>Concrete Name must be less than 20 letters.</source>
            <translation>混凝土名称必须少于 20 个字节（一个汉字占 3 个字节）。</translation>
        </message>
        <message>
            <source>Please Input Concrete Name.</source>
            <translation>请输入混凝土名称。</translation>
        </message>
        <message>
            <source>Concrete Name must not begin or end with a blank or a control character.</source>
            <translation>混凝土名称的首尾不能是空格或控制字符。</translation>
        </message>
        <message>
            <source>Ec multiplied by the Peak Compression Strain must be greater than the Axial Compression Strength.</source>
            <translation>Ec 与峰值压应变的乘积必须大于轴心抗压强度。</translation>
        </message>
        <message>
            <source>Ultimate strain for Comp. is too large: the curve would have more than 1000000 points.</source>
            <translation>受压极限应变过大：曲线将超过 1000000 个点。</translation>
        </message>
        <message>
            <source>Ultimate strain for Tension is too large: the curve would have more than 1000000 points.</source>
            <translation>受拉极限应变过大：曲线将超过 1000000 个点。</translation>
        </message>
        <message>
            <source>The value is too large.</source>
            <translation>数值过大。</translation>
        </message>
    </context>
    <context>
        <name>RepeatedLoadDialog</name>
        <message>
            <source>Create a concrete or a steel first: their paths under repeated load are drawn here.</source>
            <translation>请先创建混凝土或钢筋：此处绘制它们在反复加载下的路径。</translation>
        </message>
        <message>
            <source>Repeated Load</source>
            <translation>反复加载</translation>
        </message>
        <message>
            <source>Strain history</source>
            <translation>应变历史</translation>
        </message>
        <message>
            <source>Reversal strains in m/m, separated by commas, with a decimal point; compression negative, tension positive; the first value is the start.</source>
            <translation>各反向点的应变（m/m），以逗号分隔，用小数点书写；压为负、拉为正；第一个值为起点。</translation>
        </message>
        <message>
            <source>Step at most</source>
            <translation>最大步长</translation>
        </message>
        <message>
            <source>Concrete</source>
            <translation>混凝土</translation>
        </message>
        <message>
            <source>Steel</source>
            <translation>钢筋</translation>
        </message>
        <message>
            <source>Each path is drawn over its envelope, drawn faint. Concrete follows C.2.5 in compression; a crack opens at the strain left at zero stress and unloads along the secant of C.2.6. Steel follows C.1.3.</source>
            <translation>每条路径画在其骨架曲线（浅色）之上。混凝土受压按 C.2.5；裂缝在应力为零时的残余应变处张开，并沿 C.2.6 的割线卸载。钢筋按 C.1.3。</translation>
        </message>
        <message>
            <source>Materials</source>
            <translation>材料</translation>
        </message>
        <message>
            <source>&amp;Draw</source>
            <translation>绘制(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Save CSV…</source>
            <translation>保存 CSV(&amp;S)…</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Strain history: %1.</source>
            <translation>应变历史：%1。</translation>
        </message>
        <message>
            <source>Step: %1.</source>
            <translation>步长：%1。</translation>
        </message>
        <message>
            <source>Step: the chart would have more than %1 points; choose a larger step or a shorter history. Save CSV… writes up to %2 points.</source>
            <translation>步长：图中的点将超过 %1 个；请加大步长或缩短应变历史。保存 CSV… 最多可写出 %2 个点。</translation>
        </message>
        <message>
            <source>%1 (envelope)</source>
            <translation>%1（骨架曲线）</translation>
        </message>
        <message>
            <source>Check a concrete or a steel to draw its path.</source>
            <translation>勾选混凝土或钢筋以绘制其路径。</translation>
        </message>
        <message>
            <source>No concrete or steel is checked.</source>
            <translation>未勾选任何混凝土或钢筋。</translation>
        </message>
        <message>
            <source>Save CSV</source>
            <translation>保存 CSV</translation>
        </message>
        <message>
            <source>CSV file (*.csv)</source>
            <translation>CSV 文件 (*.csv)</translation>
        </message>
    </context>
    <context>
        <name>SolverCommon</name>
        <message>
            <source>Concrete "%1" cannot be written: %2</source>
            <translation>混凝土 "%1" 无法写出：%2</translation>
        </message>
    </context>
    <context>
        <name>SolverExportDialog</name>
        <message>
            <source>Stress</source>
            <translation>应力</translation>
        </message>
        <message>
            <source>Damage</source>
            <translation>损伤</translation>
        </message>
        <message>
            <source>Plastic strain</source>
            <translation>塑性应变</translation>
        </message>
        <message>
            <source>Export for Abaqus</source>
            <translation>导出到 Abaqus</translation>
        </message>
        <message>
            <source>Export for OpenSees</source>
            <translation>导出到 OpenSees</translation>
        </message>
        <message>
            <source>Concretes</source>
            <translation>混凝土</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>选项</translation>
        </message>
        <message>
            <source>Preview</source>
            <translation>预览</translation>
        </message>
        <message>
            <source>Inelastic strain</source>
            <translation>非弹性应变</translation>
        </message>
        <message>
            <source>Cracking strain</source>
            <translation>开裂应变</translation>
        </message>
        <message>
            <source>Save…</source>
            <translation>保存…</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>单位</translation>
        </message>
        <message>
            <source>Poisson's ratio</source>
            <translation>泊松比</translation>
        </message>
        <message>
            <source>Dilation angle (°)</source>
            <translation>膨胀角 (°)</translation>
        </message>
        <message>
            <source>Eccentricity</source>
            <translation>偏心率</translation>
        </message>
        <message>
            <source>Viscosity</source>
            <translation>黏性系数</translation>
        </message>
        <message>
            <source>energy</source>
            <translation>能量</translation>
        </message>
        <message>
            <source>code</source>
            <translation>规范</translation>
        </message>
        <message>
            <source>none</source>
            <translation>无</translation>
        </message>
        <message>
            <source>Rows per table at most</source>
            <translation>每表最多行数</translation>
        </message>
        <message>
            <source>Input file (.inp)</source>
            <translation>输入文件 (.inp)</translation>
        </message>
        <message>
            <source>Abaqus/CAE script (.py)</source>
            <translation>Abaqus/CAE 脚本 (.py)</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>输出</translation>
        </message>
        <message>
            <source>Model name</source>
            <translation>模型名称</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>格式</translation>
        </message>
        <message>
            <source>First tag</source>
            <translation>起始编号</translation>
        </message>
        <message>
            <source>Largest deviation from the curve: compression %1 %, tension %2 % of the peak stress</source>
            <translation>与曲线的最大偏差：受压 %1 %，受拉 %2 %（相对峰值应力）</translation>
        </message>
        <message>
            <source>Every name is a valid Abaqus material name.</source>
            <translation>所有名称均为有效的 Abaqus 材料名称。</translation>
        </message>
        <message>
            <source>No concrete is checked.</source>
            <translation>未勾选任何混凝土。</translation>
        </message>
        <message>
            <source>Abaqus/CAE script (*.py)</source>
            <translation>Abaqus/CAE 脚本 (*.py)</translation>
        </message>
        <message>
            <source>Abaqus input file (*.inp)</source>
            <translation>Abaqus 输入文件 (*.inp)</translation>
        </message>
        <message>
            <source>OpenSeesPy script (*.py)</source>
            <translation>OpenSeesPy 脚本 (*.py)</translation>
        </message>
        <message>
            <source>OpenSees Tcl script (*.tcl)</source>
            <translation>OpenSees Tcl 脚本 (*.tcl)</translation>
        </message>
        <message>
            <source>Damage (right)</source>
            <translation>损伤（右轴）</translation>
        </message>
        <message>
            <source>Effective stress σ/(1−d)</source>
            <translation>有效应力 σ/(1−d)</translation>
        </message>
        <message>
            <source>Tensile strain</source>
            <translation>拉应变</translation>
        </message>
        <message>
            <source>Stress (MPa)</source>
            <translation>应力 (MPa)</translation>
        </message>
        <message>
            <source>GB 50010 (Tarvolin's curve)</source>
            <translation>GB 50010（Tarvolin 的曲线）</translation>
        </message>
        <message>
            <source>ConcreteD in OpenSees</source>
            <translation>OpenSees 中的 ConcreteD</translation>
        </message>
        <message>
            <source>fb0/fc0</source>
            <translation>fb0/fc0</translation>
        </message>
        <message>
            <source>K</source>
            <translation>K</translation>
        </message>
        <message>
            <source>Elastic limit (× fc)</source>
            <translation>弹性极限 (× fc)</translation>
        </message>
        <message>
            <source>Ec</source>
            <translation>Ec</translation>
        </message>
        <message>
            <source>Secant to the elastic limit</source>
            <translation>弹性极限处的割线模量</translation>
        </message>
        <message>
            <source>Elastic modulus E0</source>
            <translation>弹性模量 E0</translation>
        </message>
        <message>
            <source>Birtel-Mark</source>
            <translation>Birtel-Mark</translation>
        </message>
        <message>
            <source>Plastic share bc</source>
            <translation>塑性份额 bc</translation>
        </message>
        <message>
            <source>Plastic share bt</source>
            <translation>塑性份额 bt</translation>
        </message>
        <message>
            <source>cracking strain</source>
            <translation>开裂应变</translation>
        </message>
        <message>
            <source>cracking displacement</source>
            <translation>开裂位移</translation>
        </message>
        <message>
            <source>Tension against</source>
            <translation>受拉表示为</translation>
        </message>
        <message>
            <source>Crack-band width h</source>
            <translation>裂缝带宽度 h</translation>
        </message>
        <message>
            <source>Tcl (.tcl)</source>
            <translation>Tcl (.tcl)</translation>
        </message>
        <message>
            <source>OpenSeesPy (.py)</source>
            <translation>OpenSeesPy (.py)</translation>
        </message>
        <message>
            <source>Plastic-strain parameter εsp</source>
            <translation>塑性应变参数 εsp</translation>
        </message>
        <message>
            <source>Plastic-strain parameter ηp</source>
            <translation>塑性应变参数 ηp</translation>
        </message>
        <message>
            <source>above %1</source>
            <translation>大于 %1</translation>
        </message>
        <message>
            <source>at least %1</source>
            <translation>不小于 %1</translation>
        </message>
        <message>
            <source>above %1 and below %2</source>
            <translation>大于 %1 且小于 %2</translation>
        </message>
        <message>
            <source>above %1 and at most %2</source>
            <translation>大于 %1 且不大于 %2</translation>
        </message>
        <message>
            <source>from %1 to below %2</source>
            <translation>不小于 %1 且小于 %2</translation>
        </message>
        <message>
            <source>from %1 to %2</source>
            <translation>%1 至 %2</translation>
        </message>
        <message>
            <source>%1: enter a number.</source>
            <translation>%1：请输入数字。</translation>
        </message>
        <message>
            <source>%1: "%2" is not a number %3.</source>
            <translation>%1："%2" 不是%3的数。</translation>
        </message>
        <message>
            <source>%1: "%2" is not a number above 0.</source>
            <translation>%1："%2" 不是大于 0 的数。</translation>
        </message>
        <message>
            <source>Stress (Pa)</source>
            <translation>应力 (Pa)</translation>
        </message>
        <message>
            <source>Crack-band width h (%1)</source>
            <translation>裂缝带宽度 h (%1)</translation>
        </message>
        <message>
            <source>Cracking displacement (%1)</source>
            <translation>开裂位移 (%1)</translation>
        </message>
        <message>
            <source>Plastic displacement</source>
            <translation>塑性位移</translation>
        </message>
        <message>
            <source>Effective stress (Pa)</source>
            <translation>有效应力 (Pa)</translation>
        </message>
        <message>
            <source>Effective stress (MPa)</source>
            <translation>有效应力 (MPa)</translation>
        </message>
        <message>
            <source>Model name: 1 to 80 characters, no control characters.</source>
            <translation>模型名称：1 到 80 个字符，不含控制字符。</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1：%2</translation>
        </message>
        <message>
            <source>Abaqus derives a plastic strain of up to %1 in compression and %2 in tension, and an effective stress of up to %3 %5 in compression and %4 %5 in tension.</source>
            <translation>Abaqus 推算：受压塑性应变最大 %1，受拉%2；有效应力受压最大 %3 %5，受拉最大 %4 %5。</translation>
        </message>
        <message>
            <source>The code rule leaves Abaqus no plastic strain: the law's damage is secant, so the effective stress σ/(1 − d) climbs far above the strength, and CDP analyses with such tables often fail to converge. Birtel-Mark or energy is the usual choice.</source>
            <translation>规范规则使 Abaqus 得不到塑性应变：本构关系的损伤按割线定义，有效应力 σ/(1 − d) 远超强度，采用这样的表格的 CDP 分析常常不收敛。通常选用 Birtel-Mark 或能量规则。</translation>
        </message>
        <message>
            <source>Material names changed for Abaqus:</source>
            <translation>为 Abaqus 更改的材料名称：</translation>
        </message>
        <message>
            <source>Cannot write: %1</source>
            <translation>无法写出：%1</translation>
        </message>
        <message>
            <source>ConcreteD follows the code's compression curve exactly, but not its tension curve: for %1 the two differ by up to %2 % of ft (%3 % before the peak, %4 % after it).</source>
            <translation>ConcreteD 的受压曲线与规范完全一致，受拉曲线则不然：对于 %1，两者最多相差 ft 的 %2 %（峰值前 %3 %，峰值后 %4 %）。</translation>
        </message>
        <message>
            <source>Nothing was written.</source>
            <translation>未写入任何内容。</translation>
        </message>
        <message>
            <source>No concrete or steel is checked.</source>
            <translation>未勾选任何混凝土或钢筋。</translation>
        </message>
        <message>
            <source>a plastic displacement of up to %1 %2</source>
            <translation>塑性位移最大 %1 %2</translation>
        </message>
        <message>
            <source>a plastic strain of up to %1</source>
            <translation>塑性应变最大 %1</translation>
        </message>
        <message>
            <source>code unloading (C.2.5)</source>
            <translation>规范卸载（C.2.5）</translation>
        </message>
        <message>
            <source>The default is now the code's unloading rule: Abaqus unloads along the code's line and derives its plastic strain. Beyond about 2.9·εc the damage is held at its running maximum.</source>
            <translation>默认规则现为规范卸载：Abaqus 沿规范的卸载直线卸载，并由此得出规范的塑性应变。约 2.9·εc 以后，损伤保持为此前达到的最大值。</translation>
        </message>
        <message>
            <source>as Damage (energy with code unloading)</source>
            <translation>同“损伤”（规范卸载时为能量）</translation>
        </message>
        <message>
            <source>Tension damage</source>
            <translation>受拉损伤</translation>
        </message>
    </context>
    <context>
        <name>SteelAbaqus</name>
        <message>
            <source>Cannot write the steels: %1</source>
            <translation>无法写出钢筋：%1</translation>
        </message>
        <message>
            <source>Steel "%1" cannot be written: %2</source>
            <translation>钢筋 "%1" 无法写出：%2</translation>
        </message>
        <message>
            <source>--steel-plastic: "%1" is neither true nor nominal.</source>
            <translation>--steel-plastic："%1" 既不是 true 也不是 nominal。</translation>
        </message>
        <message>
            <source>--steel-poisson: "%1" is not a number from 0 to below 0.5.</source>
            <translation>--steel-poisson："%1" 不是 0 至小于 0.5 之间的数。</translation>
        </message>
        <message>
            <source>its values do not make a curve (Es, fy, fst, euy, eu positive, fst &gt;= fy, euy &gt;= fy / Es, eu &gt; euy)</source>
            <translation>其数值构不成曲线（Es、fy、fst、euy、eu 须为正数，fst &gt;= fy，euy &gt;= fy / Es，eu &gt; euy）</translation>
        </message>
        <message>
            <source>its curve needs more than %1 rows to stay within 0.1 %</source>
            <translation>其曲线需要多于 %1 行才能保持在 0.1 % 以内</translation>
        </message>
        <message>
            <source>its plastic strain never rises above zero up to eu: the hardening branch is too steep for Es</source>
            <translation>直到 eu 其塑性应变都不大于零：硬化段相对于 Es 过陡</translation>
        </message>
        <message>
            <source>a stress or plastic strain is not a positive finite number</source>
            <translation>某个应力或塑性应变不是正的有限数</translation>
        </message>
        <message>
            <source>its plastic strain would fall as the strain grows (at strain %1): the hardening branch is too steep for Es</source>
            <translation>其塑性应变会随应变增大而减小（应变 %1 处）：硬化段相对于 Es 过陡</translation>
        </message>
        <message>
            <source>its stress would fall as the plastic strain grows (at strain %1)</source>
            <translation>其应力会随塑性应变增大而减小（应变 %1 处）</translation>
        </message>
        <message>
            <source>its table leaves the curve by %1 %, more than 0.1 %</source>
            <translation>其表格偏离曲线 %1 %，超过 0.1 %</translation>
        </message>
    </context>
    <context>
        <name>SteelExportPanel</name>
        <message>
            <source>Steels</source>
            <translation>钢筋</translation>
        </message>
        <message>
            <source>True stress, logarithmic plastic strain</source>
            <translation>真应力、对数塑性应变</translation>
        </message>
        <message>
            <source>Nominal values</source>
            <translation>名义值</translation>
        </message>
        <message>
            <source>True values are right for a large-strain analysis (NLGEOM=YES) and about 12 % off in a small-strain one, where nominal values are the choice.</source>
            <translation>真值适用于大变形分析（NLGEOM=YES），用于小变形分析时偏差约 12 %，小变形分析应选名义值。</translation>
        </message>
        <message>
            <source>Steel plastic table</source>
            <translation>钢筋塑性表</translation>
        </message>
        <message>
            <source>Steel Poisson's ratio</source>
            <translation>钢筋泊松比</translation>
        </message>
        <message>
            <source>Stress</source>
            <translation>应力</translation>
        </message>
        <message>
            <source>Plastic strain</source>
            <translation>塑性应变</translation>
        </message>
        <message>
            <source>Hysteretic (the code's curve)</source>
            <translation>Hysteretic（规范曲线）</translation>
        </message>
        <message>
            <source>Steel02 (cyclic analyses)</source>
            <translation>Steel02（往复分析）</translation>
        </message>
        <message>
            <source>Steel material</source>
            <translation>钢筋材料</translation>
        </message>
        <message>
            <source>Steel Poisson's ratio: "%1" is not a number from %2 to below %3.</source>
            <translation>钢筋泊松比："%1" 不是不小于 %2 且小于 %3 的数。</translation>
        </message>
        <message>
            <source>%1 rows; largest gap to the curve %2 % of the stress</source>
            <translation>%1 行；与曲线的最大偏差为应力的 %2 %</translation>
        </message>
    </context>
    <context>
        <name>SteelOpenSees</name>
        <message>
            <source>--steel-material: "%1" is neither hysteretic nor steel02.</source>
            <translation>--steel-material："%1" 既不是 hysteretic 也不是 steel02。</translation>
        </message>
        <message>
            <source>the steels' tags from %1 on do not fit OpenSees</source>
            <translation>钢筋从 %1 起的编号超出 OpenSees 的范围</translation>
        </message>
    </context>
    <context>
        <name>SteelRefusal</name>
        <message>
            <source>Steel Name must be less than 20 letters.</source>
            <translation>钢筋名称必须少于 20 个字节（一个汉字占 3 个字节）。</translation>
        </message>
        <message>
            <source>Please Input Steel Name.</source>
            <translation>请输入钢筋名称。</translation>
        </message>
        <message>
            <source>Modulus of elasticity Es must be greater than zero.</source>
            <translation>弹性模量 Es 必须大于零。</translation>
        </message>
        <message>
            <source>Yield strength fy must be greater than zero.</source>
            <translation>屈服强度 fy 必须大于零。</translation>
        </message>
        <message>
            <source>Ultimate strength fst must be greater than zero.</source>
            <translation>极限强度 fst 必须大于零。</translation>
        </message>
        <message>
            <source>Strain at start of hardening εuy must be greater than zero.</source>
            <translation>硬化起点应变 εuy 必须大于零。</translation>
        </message>
        <message>
            <source>Strain at ultimate strength εu must be greater than zero.</source>
            <translation>峰值应变 εu 必须大于零。</translation>
        </message>
        <message>
            <source>Ultimate strength fst must not be less than yield strength fy.</source>
            <translation>极限强度 fst 不得小于屈服强度 fy。</translation>
        </message>
        <message>
            <source>Strain at start of hardening εuy must not be less than the yield strain εy = fy / Es.</source>
            <translation>硬化起点应变 εuy 不得小于屈服应变 εy = fy / Es。</translation>
        </message>
        <message>
            <source>Strain at ultimate strength εu must be greater than the strain at start of hardening εuy.</source>
            <translation>峰值应变 εu 必须大于硬化起点应变 εuy。</translation>
        </message>
    </context>
    <context>
        <name>TAboutBox</name>
        <message>
            <source>About Tarvolin</source>
            <translation>关于 Tarvolin</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>版本 %1</translation>
        </message>
        <message>
            <source>Author : Quessel</source>
            <translation>作者：Quessel</translation>
        </message>
        <message>
            <source>Affiliation : independent developer</source>
            <translation>单位：独立开发者</translation>
        </message>
        <message>
            <source>Mail : quessel@example.org</source>
            <translation>邮箱：quessel@example.org</translation>
        </message>
        <message>
            <source>Matrix : @quessel:example.org</source>
            <translation>Matrix 账号：@quessel:example.org</translation>
        </message>
        <message>
            <source>Website : </source>
            <translation>网站：</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
    </context>
    <context>
        <name>TChart</name>
        <message>
            <source>strain[m/m]</source>
            <translation>应变[m/m]</translation>
        </message>
        <message>
            <source>f [N/mm2]</source>
            <translation>应力 f [N/mm2]</translation>
        </message>
        <message>
            <source>Copy Image</source>
            <translation>复制图片</translation>
        </message>
        <message>
            <source>Copy Data</source>
            <translation>复制数据</translation>
        </message>
        <message>
            <source>Save Image As…</source>
            <translation>图片另存为…</translation>
        </message>
        <message>
            <source>Reset Zoom</source>
            <translation>重置缩放</translation>
        </message>
        <message>
            <source>… and %1 more</source>
            <translation>…… 另有 %1 条</translation>
        </message>
        <message>
            <source>Remove Test Data</source>
            <translation>移除试验数据</translation>
        </message>
    </context>
    <context>
        <name>TForm1</name>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV 文件 (*.csv)</translation>
        </message>
        <message>
            <source>Tarvolin (based on GB 50010-2010) (by Quessel)</source>
            <translation>Tarvolin（基于 GB 50010-2010）（作者 Quessel）</translation>
        </message>
        <message>
            <source>Define Concrete</source>
            <translation>定义混凝土</translation>
        </message>
        <message>
            <source>Concrete Name</source>
            <translation>混凝土名称</translation>
        </message>
        <message>
            <source>Strength Grade fcu,k (N/mm2)</source>
            <translation>强度等级 fcu,k (N/mm2)</translation>
        </message>
        <message>
            <source>Modulus of elasticity Ec (N/mm2)</source>
            <translation>弹性模量 Ec (N/mm2)</translation>
        </message>
        <message>
            <source>Axial Compression strength fc,k (N/mm2)</source>
            <translation>轴心抗压强度标准值 fc,k (N/mm2)</translation>
        </message>
        <message>
            <source>Strain at Peak Comp. Stress  εc,k  (10-6)</source>
            <translation>峰值压应变  εc,k  (10-6)</translation>
        </message>
        <message>
            <source>Shape parameter for Compression  ac</source>
            <translation>受压下降段参数  ac</translation>
        </message>
        <message>
            <source>Ultimate strain for Comp.  εmax,c</source>
            <translation>受压极限应变  εmax,c</translation>
        </message>
        <message>
            <source>Axial Tension strength ft,k (N/mm2)</source>
            <translation>轴心抗拉强度标准值 ft,k (N/mm2)</translation>
        </message>
        <message>
            <source>Strain at Peak Tensile Stress  εt,k  (10-6)</source>
            <translation>峰值拉应变  εt,k  (10-6)</translation>
        </message>
        <message>
            <source>Shape parameter for Tension  at</source>
            <translation>受拉下降段参数  at</translation>
        </message>
        <message>
            <source>Ultimate strain for Tension  εmax,t  (10-6)</source>
            <translation>受拉极限应变  εmax,t  (10-6)</translation>
        </message>
        <message>
            <source>Create Concrete</source>
            <translation>创建混凝土</translation>
        </message>
        <message>
            <source>Compression</source>
            <translation>受压</translation>
        </message>
        <message>
            <source>Control</source>
            <translation>操作</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>删除</translation>
        </message>
        <message>
            <source>Delete All</source>
            <translation>全部删除</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>保存图片</translation>
        </message>
        <message>
            <source>Save Data</source>
            <translation>保存数据</translation>
        </message>
        <message>
            <source>Tension</source>
            <translation>受拉</translation>
        </message>
        <message>
            <source>Steel</source>
            <translation>钢筋</translation>
        </message>
        <message>
            <source>  Welcome to my Website :</source>
            <translation>  欢迎访问我的网站：</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>文件(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Open Library…</source>
            <translation>打开材料库(&amp;O)…</translation>
        </message>
        <message>
            <source>&amp;Save Library</source>
            <translation>保存材料库(&amp;S)</translation>
        </message>
        <message>
            <source>Save Library &amp;As…</source>
            <translation>材料库另存为(&amp;A)…</translation>
        </message>
        <message>
            <source>&amp;Export for Abaqus…</source>
            <translation>导出到 Abaqus(&amp;E)…</translation>
        </message>
        <message>
            <source>Export for Ope&amp;nSees…</source>
            <translation>导出到 OpenSees(&amp;N)…</translation>
        </message>
        <message>
            <source>Save &amp;Pictures As…</source>
            <translation>全部图片另存为(&amp;P)…</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>编辑</translation>
        </message>
        <message>
            <source>About</source>
            <translation>关于</translation>
        </message>
        <message>
            <source>About Kestrafel</source>
            <translation>关于 Kestrafel</translation>
        </message>
        <message>
            <source>No concretes have been create!.</source>
            <translation>尚未创建任何混凝土！</translation>
        </message>
        <message>
            <source>Save Concrete Data</source>
            <translation>保存混凝土数据</translation>
        </message>
        <message>
            <source>Select directory for storing images</source>
            <translation>选择保存图片的文件夹</translation>
        </message>
        <message>
            <source>Images saved successfully!.</source>
            <translation>图片保存成功！</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf);;BMP image (*.bmp)</source>
            <translation>PNG 图片 (*.png);;SVG 图片 (*.svg);;PDF 文档 (*.pdf);;BMP 图片 (*.bmp)</translation>
        </message>
        <message>
            <source>Save Image As</source>
            <translation>图片另存为</translation>
        </message>
        <message>
            <source>"%1" is not the name of a PNG, SVG, PDF or BMP file.</source>
            <translation>"%1" 不是 PNG、SVG、PDF 或 BMP 文件的名称。</translation>
        </message>
        <message>
            <source>Select folder for the pictures</source>
            <translation>选择保存图片的文件夹</translation>
        </message>
        <message>
            <source>%1 fcu,k must be positive!</source>
            <translation>%1：fcu,k 必须为正数！</translation>
        </message>
        <message>
            <source>Concrete with name: "%1" already exists! Please Input another Name.</source>
            <translation>名称为 "%1" 的混凝土已存在！请输入其他名称。</translation>
        </message>
        <message>
            <source>Running out of Memory.</source>
            <translation>内存不足。</translation>
        </message>
        <message>
            <source>Tarvolin library (*.json)</source>
            <translation>Tarvolin 材料库 (*.json)</translation>
        </message>
        <message>
            <source>Open Library</source>
            <translation>打开材料库</translation>
        </message>
        <message>
            <source>Save Library As</source>
            <translation>材料库另存为</translation>
        </message>
        <message>
            <source>Untitled</source>
            <translation>未命名</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>确认</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>是否保存对 %1 的更改？</translation>
        </message>
        <message>
            <source>&amp;Basis</source>
            <translation>强度取值(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Characteristic values (fc,k, ft,k)</source>
            <translation>标准值(&amp;C) (fc,k, ft,k)</translation>
        </message>
        <message>
            <source>&amp;Mean values (fcm, ftm)…</source>
            <translation>平均值(&amp;M) (fcm, ftm)…</translation>
        </message>
        <message>
            <source>&amp;Design values (fc, ft)</source>
            <translation>设计值(&amp;D) (fc, ft)</translation>
        </message>
        <message>
            <source>&amp;Reinforcing Steel…</source>
            <translation>钢筋(&amp;R)…</translation>
        </message>
        <message>
            <source>test: %1</source>
            <translation>试验：%1</translation>
        </message>
        <message>
            <source>&amp;Fit to Test Data…</source>
            <translation>拟合试验数据(&amp;F)…</translation>
        </message>
        <message>
            <source>&amp;Tools</source>
            <translation>工具(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Repeated Load…</source>
            <translation>反复加载(&amp;R)…</translation>
        </message>
        <message>
            <source>%1 fcu,k is too large!</source>
            <translation>%1：fcu,k 过大！</translation>
        </message>
        <message>
            <source>Strain at Peak Comp. Stress  εc,m  (10-6)</source>
            <translation>峰值压应变  εc,m  (10-6)</translation>
        </message>
        <message>
            <source>Mean Tension strength ft,m (N/mm2)</source>
            <translation>轴心抗拉强度平均值 ft,m (N/mm2)</translation>
        </message>
        <message>
            <source>Strain at Peak Tensile Stress  εt,m  (10-6)</source>
            <translation>峰值拉应变  εt,m  (10-6)</translation>
        </message>
        <message>
            <source>Design Compression strength fc (N/mm2)</source>
            <translation>轴心抗压强度设计值 fc (N/mm2)</translation>
        </message>
        <message>
            <source>Strain at Peak Comp. Stress  εc  (10-6)</source>
            <translation>峰值压应变  εc  (10-6)</translation>
        </message>
        <message>
            <source>Design Tension strength ft (N/mm2)</source>
            <translation>轴心抗拉强度设计值 ft (N/mm2)</translation>
        </message>
        <message>
            <source>Strain at Peak Tensile Stress  εt  (10-6)</source>
            <translation>峰值拉应变  εt  (10-6)</translation>
        </message>
        <message>
            <source>Mean Comp. strength fc,m (N/mm2)</source>
            <translation>轴心抗压强度平均值 fc,m (N/mm2)</translation>
        </message>
    </context>
    <context>
        <name>TPictureOptions</name>
        <message>
            <source>Picture Options</source>
            <translation>图片选项</translation>
        </message>
        <message>
            <source>Format:</source>
            <translation>格式：</translation>
        </message>
        <message>
            <source>pixels</source>
            <translation>像素</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>尺寸：</translation>
        </message>
        <message>
            <source>%1:</source>
            <translation>%1：</translation>
        </message>
        <message>
            <source>Scale:</source>
            <translation>倍率：</translation>
        </message>
        <message>
            <source>More pixels with the same look, for sharp pictures on high-resolution screens and in print</source>
            <translation>外观不变而像素更多，在高分辨率屏幕上和印刷时更清晰</translation>
        </message>
    </context>
    <context>
        <name>TSteelForm</name>
        <message>
            <source>Steel Name</source>
            <translation>钢筋名称</translation>
        </message>
        <message>
            <source>Modulus of elasticity Es (N/mm2)</source>
            <translation>弹性模量 Es (N/mm2)</translation>
        </message>
        <message>
            <source>Yield strength fy,r (N/mm2)</source>
            <translation>屈服强度 fy,r (N/mm2)</translation>
        </message>
        <message>
            <source>Ultimate strength fst,r (N/mm2)</source>
            <translation>极限强度 fst,r (N/mm2)</translation>
        </message>
        <message>
            <source>Yield strain  εy = fy,r / Es</source>
            <translation>屈服应变  εy = fy,r / Es</translation>
        </message>
        <message>
            <source>Strain at start of hardening  εuy</source>
            <translation>硬化起点应变  εuy</translation>
        </message>
        <message>
            <source>Strain at ultimate strength  εu</source>
            <translation>峰值应变  εu</translation>
        </message>
        <message>
            <source>Mean values (fy,m, fst,m), δs = %1</source>
            <translation>平均值 (fy,m, fst,m)，δs = %1</translation>
        </message>
        <message>
            <source>Design values (fy, fst,k × fy / fy,k)</source>
            <translation>设计值 (fy, fst,k × fy / fy,k)</translation>
        </message>
        <message>
            <source>Characteristic values (fy,k, fst,k)</source>
            <translation>标准值 (fy,k, fst,k)</translation>
        </message>
        <message>
            <source>Reinforcing Steel</source>
            <translation>钢筋</translation>
        </message>
        <message>
            <source>Define Steel</source>
            <translation>定义钢筋</translation>
        </message>
        <message>
            <source>Steel Grade</source>
            <translation>钢筋牌号</translation>
        </message>
        <message>
            <source>Derived from Es and fy,r; it follows them.</source>
            <translation>由 Es 和 fy,r 算得，随二者变化。</translation>
        </message>
        <message>
            <source>Coefficient of variation  δs</source>
            <translation>变异系数  δs</translation>
        </message>
        <message>
            <source>The bars' coefficient of variation of strength, from your test statistics:
used on the mean basis only, fy,m = fy,k / (1 − 1.645 δs).</source>
            <translation>钢筋强度的变异系数，取自试验统计：
仅用于平均值，fy,m = fy,k / (1 − 1.645 δs)。</translation>
        </message>
        <message>
            <source>Create Steel</source>
            <translation>创建钢筋</translation>
        </message>
        <message>
            <source>Control</source>
            <translation>操作</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>删除</translation>
        </message>
        <message>
            <source>Delete All</source>
            <translation>全部删除</translation>
        </message>
        <message>
            <source>Steel (tension; compression is the same with the signs reversed)</source>
            <translation>钢筋（受拉；受压与之相同，符号相反）</translation>
        </message>
        <message>
            <source>An assumption: GB 50010-2010 gives no strain at the start of hardening,
and %1 is proposed for every grade.
Replace it by test data of the bars where there are any.</source>
            <translation>假定值：GB 50010-2010 未给出硬化起点应变，
各牌号均建议取 %1。
有钢筋试验数据时请以其代替。</translation>
        </message>
        <message>
            <source>δs must be greater than 0 and less than %1.</source>
            <translation>δs 必须大于 0 且小于 %1。</translation>
        </message>
        <message>
            <source>Steel with name: "%1" already exists! Please Input another Name.</source>
            <translation>名称为 "%1" 的钢筋已存在！请输入其他名称。</translation>
        </message>
        <message>
            <source>Running out of Memory.</source>
            <translation>内存不足。</translation>
        </message>
        <message>
            <source>Save Data</source>
            <translation>保存数据</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV 文件 (*.csv)</translation>
        </message>
        <message>
            <source>No steels have been created: nothing to save.</source>
            <translation>尚未创建任何钢筋：没有可保存的内容。</translation>
        </message>
        <message>
            <source>Save Steel Data</source>
            <translation>保存钢筋数据</translation>
        </message>
    </context>
</TS>
