#!/usr/bin/env python3
"""Fills translations/tarvolin_zh_CN.ts from the table below and marks those texts finished.

Run the CMake target update_translations first (it adds new source texts to the .ts), then this
script, then rebuild. Texts the table does not know stay unfinished and are listed, so that a
missing translation is seen: Qt shows the English source text for them.

The table is keyed by the English source text; an entry keyed (context, source) wins over it.
Engineering terms follow GB 50010-2010 and its textbooks; symbols and units stay as they are.
"""

import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

TS = Path(__file__).with_name("tarvolin_zh_CN.ts")

ZH = {
    # The main window.
    "Tarvolin (based on GB 50010-2010) (by Quessel)": "Tarvolin（基于 GB 50010-2010）（作者 Quessel）",
    "Define Concrete": "定义混凝土",
    "Concrete Name": "混凝土名称",
    "Strength Grade fcu,k (N/mm2)": "强度等级 fcu,k (N/mm2)",
    "Modulus of elasticity Ec (N/mm2)": "弹性模量 Ec (N/mm2)",
    "Axial Compression strength fc,k (N/mm2)": "轴心抗压强度标准值 fc,k (N/mm2)",
    # The same fields on the mean and design bases.
    "Mean Comp. strength fc,m (N/mm2)": "轴心抗压强度平均值 fc,m (N/mm2)",
    "Strain at Peak Comp. Stress  εc,m  (10-6)": "峰值压应变  εc,m  (10-6)",
    "Mean Tension strength ft,m (N/mm2)": "轴心抗拉强度平均值 ft,m (N/mm2)",
    "Strain at Peak Tensile Stress  εt,m  (10-6)": "峰值拉应变  εt,m  (10-6)",
    "Design Compression strength fc (N/mm2)": "轴心抗压强度设计值 fc (N/mm2)",
    "Strain at Peak Comp. Stress  εc  (10-6)": "峰值压应变  εc  (10-6)",
    "Design Tension strength ft (N/mm2)": "轴心抗拉强度设计值 ft (N/mm2)",
    "Strain at Peak Tensile Stress  εt  (10-6)": "峰值拉应变  εt  (10-6)",
    "Strain at Peak Comp. Stress  εc,k  (10-6)": "峰值压应变  εc,k  (10-6)",
    "Shape parameter for Compression  ac": "受压下降段参数  ac",
    "Ultimate strain for Comp.  εmax,c": "受压极限应变  εmax,c",
    "Axial Tension strength ft,k (N/mm2)": "轴心抗拉强度标准值 ft,k (N/mm2)",
    "Strain at Peak Tensile Stress  εt,k  (10-6)": "峰值拉应变  εt,k  (10-6)",
    "Shape parameter for Tension  at": "受拉下降段参数  at",
    "Ultimate strain for Tension  εmax,t  (10-6)": "受拉极限应变  εmax,t  (10-6)",
    "Create Concrete": "创建混凝土",
    "Compression": "受压",
    "Tension": "受拉",
    "Control": "操作",
    "Delete": "删除",
    "Delete All": "全部删除",
    "Save Picture": "保存图片",
    "Save Data": "保存数据",
    "  Welcome to my Website :": "  欢迎访问我的网站：",
    "&File": "文件(&F)",
    "&Open Library…": "打开材料库(&O)…",
    "&Save Library": "保存材料库(&S)",
    "Save Library &As…": "材料库另存为(&A)…",
    "&Export for Abaqus…": "导出到 Abaqus(&E)…",
    "Export for Ope&nSees…": "导出到 OpenSees(&N)…",
    "Save &Pictures As…": "全部图片另存为(&P)…",
    "Edit": "编辑",
    "About": "关于",
    "About Kestrafel": "关于 Kestrafel",
    "CSV files (*.csv)": "CSV 文件 (*.csv)",
    "No concretes have been create!.": "尚未创建任何混凝土！",
    "Save Concrete Data": "保存混凝土数据",
    "Select directory for storing images": "选择保存图片的文件夹",
    "Images saved successfully!.": "图片保存成功！",
    "PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf);;BMP image (*.bmp)":
        "PNG 图片 (*.png);;SVG 图片 (*.svg);;PDF 文档 (*.pdf);;BMP 图片 (*.bmp)",
    "Save Image As": "图片另存为",
    "\"%1\" is not the name of a PNG, SVG, PDF or BMP file.":
        "\"%1\" 不是 PNG、SVG、PDF 或 BMP 文件的名称。",
    "Select folder for the pictures": "选择保存图片的文件夹",
    "%1 fcu,k must be positive!": "%1：fcu,k 必须为正数！",
    "Concrete with name: \"%1\" already exists! Please Input another Name.":
        "名称为 \"%1\" 的混凝土已存在！请输入其他名称。",
    "Running out of Memory.": "内存不足。",
    "Tarvolin library (*.json)": "Tarvolin 材料库 (*.json)",
    "Open Library": "打开材料库",
    "Save Library As": "材料库另存为",
    "Untitled": "未命名",
    "Confirm": "确认",
    "Save changes to %1?": "是否保存对 %1 的更改？",
    "%1 is not a valid floating number!": "%1 不是有效的浮点数！",
    "Warning": "警告",
    "Information": "提示",

    # Refusals of a definition (the window, library files, the command line).
    "Ec must be postive.": "Ec 必须为正数。",
    "Axial Compression Strength must be postive.": "轴心抗压强度必须为正数。",
    "Axial Tension Strength must be postive.": "轴心抗拉强度必须为正数。",
    "Peak Compression Strain must be postive.": "峰值压应变必须为正数。",
    "Peak Tesnsion Strain must be postive.": "峰值拉应变必须为正数。",
    "Shape parameter must be postive.": "下降段参数必须为正数。",
    "Concrete Name must be less than 20 letters.":
        "混凝土名称必须少于 20 个字节（一个汉字占 3 个字节）。",
    "Please Input Concrete Name.": "请输入混凝土名称。",
    "Concrete Name must not begin or end with a blank or a control character.":
        "混凝土名称的首尾不能是空格或控制字符。",
    "Ec multiplied by the Peak Compression Strain must be greater than the Axial Compression Strength.":
        "Ec 与峰值压应变的乘积必须大于轴心抗压强度。",
    "Ultimate strain for Comp. is too large: the curve would have more than 1000000 points.":
        "受压极限应变过大：曲线将超过 1000000 个点。",
    "Ultimate strain for Tension is too large: the curve would have more than 1000000 points.":
        "受拉极限应变过大：曲线将超过 1000000 个点。",
    "The value is too large.": "数值过大。",
    "The end strains are too large: the curves would need more than %1 rows.":
        "极限应变过大：曲线将需要超过 %1 行。",

    # Reinforcing steel.
    "Steel Name must be less than 20 letters.":
        "钢筋名称必须少于 20 个字节（一个汉字占 3 个字节）。",
    "Please Input Steel Name.": "请输入钢筋名称。",
    "Modulus of elasticity Es must be greater than zero.": "弹性模量 Es 必须大于零。",
    "Yield strength fy must be greater than zero.": "屈服强度 fy 必须大于零。",
    "Ultimate strength fst must be greater than zero.": "极限强度 fst 必须大于零。",
    "Strain at start of hardening εuy must be greater than zero.": "硬化起点应变 εuy 必须大于零。",
    "Strain at ultimate strength εu must be greater than zero.": "峰值应变 εu 必须大于零。",
    "Ultimate strength fst must not be less than yield strength fy.":
        "极限强度 fst 不得小于屈服强度 fy。",
    "Strain at start of hardening εuy must not be less than the yield strain εy = fy / Es.":
        "硬化起点应变 εuy 不得小于屈服应变 εy = fy / Es。",
    "Strain at ultimate strength εu must be greater than the strain at start of hardening εuy.":
        "峰值应变 εu 必须大于硬化起点应变 εuy。",

    # Files.
    "Cannot create file \"%1\". %2": "无法创建文件 \"%1\"。%2",
    "Cannot write file \"%1\". %2": "无法写入文件 \"%1\"。%2",
    "Cannot draw the chart.": "无法绘制图表。",
    "Cannot encode the chart as a %1 picture.": "无法将图表编码为 %1 图片。",
    "Cannot draw the chart: not enough memory for %1 × %2 pixels.":
        "无法绘制图表：内存不足以容纳 %1 × %2 像素。",
    "Cannot draw the chart as an SVG picture.": "无法将图表绘制为 SVG 图片。",
    "Cannot draw the chart as a PDF document.": "无法将图表绘制为 PDF 文档。",
    "The scale %1 is not one of 1, 2 and 3.": "倍率 %1 不是 1、2、3 之一。",
    "A picture of %1 × %2 pixels at %3× is out of bounds (%4 to %5 pixels a side).":
        "%1 × %2 像素、倍率 %3× 的图片超出范围（每边 %4 至 %5 像素）。",

    # Library files.
    "Cannot open library \"%1\". %2": "无法打开材料库 \"%1\"。%2",
    "a list": "列表",
    "an object": "对象",
    "Concrete %1": "第 %1 个混凝土",
    "%1, field \"%2\": %3": "%1，字段 \"%2\"：%3",
    "the field is missing.": "缺少该字段。",
    "%1 is not a text.": "%1 不是文本。",
    "%1 is not a number.": "%1 不是数字。",
    "%1 is neither true nor false.": "%1 既不是 true 也不是 false。",
    "The file is larger than 16 MiB.": "文件大于 16 MiB。",
    "The file is not a Tarvolin library: %1 at byte %2.":
        "该文件不是 Tarvolin 材料库：%1（第 %2 字节）。",
    "The file is not a Tarvolin library.": "该文件不是 Tarvolin 材料库。",
    "Field \"version\": %1 is not a number.": "字段 \"version\"：%1 不是数字。",
    "The library has version %1, written by a newer Tarvolin; this one reads version %2.":
        "该材料库的版本为 %1，由较新的 Tarvolin 写入；本程序只能读取版本 %2。",
    "The library version %1 is not known.": "未知的材料库版本 %1。",
    "Field \"concretes\": the field is missing.": "字段 \"concretes\"：缺少该字段。",
    "Field \"concretes\": %1 is not a list.": "字段 \"concretes\"：%1 不是列表。",
    "Concrete %1: %2 is not an object.": "第 %1 个混凝土：%2 不是对象。",
    "concrete %1 has the same name.": "与第 %1 个混凝土同名。",

    # Solver input.
    "Concrete \"%1\" cannot be written: %2": "混凝土 \"%1\" 无法写出：%2",
    "compression": "受压",
    "tension": "受拉",
    "the %1 curve ends at %2 = %3, before its peak strain %4 = %5, so it has no branch beyond the elastic part":
        "%1曲线终止于 %2 = %3，早于其峰值应变 %4 = %5，弹性段之后没有曲线",
    "the %1 curve has too many points": "%1曲线的点数过多",
    "the %1 stress is %2 at strain %3; the law needs a positive, finite stress there":
        "%1应力在应变 %3 处为 %2；本构关系要求该处应力为有限正数",
    "the %1 inelastic strain decreases at strain %2; Abaqus needs it strictly increasing":
        "%1非弹性应变在应变 %2 处减小；Abaqus 要求其严格递增",
    "the %1 damage is %2 at strain %3; Abaqus needs it at least 0 and below 1":
        "%1损伤在应变 %3 处为 %2；Abaqus 要求其不小于 0 且小于 1",
    "the %1 damage decreases at strain %2; Abaqus needs it non-decreasing":
        "%1损伤在应变 %2 处减小；Abaqus 要求其单调不减",
    "the plastic strain Abaqus derives from the %1 damage is negative at strain %2":
        "Abaqus 由%1损伤推算的塑性应变在应变 %2 处为负",
    "the plastic strain Abaqus derives from the %1 damage decreases at strain %2":
        "Abaqus 由%1损伤推算的塑性应变在应变 %2 处减小",
    "its parameters are not all positive, finite numbers": "其参数并非全为有限正数",
    "--%1: \"%2\" is not a number %3.": "--%1：\"%2\" 不是%3的数。",
    "from 0 to below 0.5": "不小于 0 且小于 0.5",
    "above 0 and below 90": "大于 0 且小于 90",
    "above 0": "大于 0",
    "above 1": "大于 1",
    "above 0.5 and at most 1": "大于 0.5 且不大于 1",
    "at least 0": "不小于 0",
    "above 0 and at most 1": "大于 0 且不大于 1",
    "--units: \"%1\" is neither mm nor m.": "--units：\"%1\" 既不是 mm 也不是 m。",
    "--damage: \"%1\" is none of energy, code and none.":
        "--damage：\"%1\" 不是 energy、code、none 之一。",
    "--rows: \"%1\" is not a whole number from 3 to 100000.":
        "--rows：\"%1\" 不是 3 到 100000 之间的整数。",
    "--model: a model name has 1 to 80 characters and no control characters.":
        "--model：模型名称须为 1 到 80 个字符，且不含控制字符。",
    "--output: \"%1\" is neither inp nor py.": "--output：\"%1\" 既不是 inp 也不是 py。",
    "Unknown option --%1.": "未知选项 --%1。",
    "--first-tag: \"%1\" is not a whole number from 1 to %2.":
        "--first-tag：\"%1\" 不是 1 到 %2 之间的整数。",
    "--format: \"%1\" is neither tcl nor py.": "--format：\"%1\" 既不是 tcl 也不是 py。",
    "the tags from %1 on do not fit OpenSees": "从 %1 起的材料编号超出 OpenSees 的范围",
    "ConcreteD needs positive, finite values of fc,k, eps_c,k, ft,k, eps_t,k, Ec, alpha_c and alpha_t":
        "ConcreteD 要求 fc,k、eps_c,k、ft,k、eps_t,k、Ec、alpha_c 和 alpha_t 均为有限正数",

    # The export dialog.
    "Stress": "应力",
    "Damage": "损伤",
    "Plastic strain": "塑性应变",
    "Export for Abaqus": "导出到 Abaqus",
    "Export for OpenSees": "导出到 OpenSees",
    "Concretes": "混凝土",
    "Options": "选项",
    "Preview": "预览",
    "Inelastic strain": "非弹性应变",
    "Cracking strain": "开裂应变",
    "Save…": "保存…",
    "Close": "关闭",
    "Units": "单位",
    "Poisson's ratio": "泊松比",
    "Dilation angle (°)": "膨胀角 (°)",
    "Eccentricity": "偏心率",
    "Viscosity": "黏性系数",
    "Elastic limit (× fc,k)": "弹性极限 (× fc,k)",
    "energy": "能量",
    "code": "规范",
    "none": "无",
    "Rows per table at most": "每表最多行数",
    "Input file (.inp)": "输入文件 (.inp)",
    "Abaqus/CAE script (.py)": "Abaqus/CAE 脚本 (.py)",
    "Output": "输出",
    "Model name": "模型名称",
    "Format": "格式",
    "First tag": "起始编号",
    "Largest deviation from the curve: compression %1 %, tension %2 % of the peak stress":
        "与曲线的最大偏差：受压 %1 %，受拉 %2 %（相对峰值应力）",
    "Every name is a valid Abaqus material name.": "所有名称均为有效的 Abaqus 材料名称。",
    "Material names changed for Abaqus:\n": "为 Abaqus 更改的材料名称：\n",
    "No concrete is checked.": "未勾选任何混凝土。",
    "Abaqus/CAE script (*.py)": "Abaqus/CAE 脚本 (*.py)",
    "Abaqus input file (*.inp)": "Abaqus 输入文件 (*.inp)",
    "OpenSeesPy script (*.py)": "OpenSeesPy 脚本 (*.py)",
    "OpenSees Tcl script (*.tcl)": "OpenSees Tcl 脚本 (*.tcl)",
    "\nNothing was written.": "\n未写入任何内容。",

    # Charts and pictures.
    "strain[m/m]": "应变[m/m]",
    "f [N/mm2]": "应力 f [N/mm2]",
    "Copy Image": "复制图片",
    "Copy Data": "复制数据",
    "Save Image As…": "图片另存为…",
    "Reset Zoom": "重置缩放",
    "… and %1 more": "…… 另有 %1 条",
    "Picture Options": "图片选项",
    "Format:": "格式：",
    "pixels": "像素",
    "Size:": "尺寸：",
    "%1:": "%1：",
    "Scale:": "倍率：",
    "More pixels with the same look, for sharp pictures on high-resolution screens and in print":
        "外观不变而像素更多，在高分辨率屏幕上和印刷时更清晰",

    # Reinforcing steel's window.
    "&Reinforcing Steel…": "钢筋(&R)…",
    "Reinforcing Steel": "钢筋",
    "Define Steel": "定义钢筋",
    "Steel Name": "钢筋名称",
    "Steel Grade": "钢筋牌号",
    "Modulus of elasticity Es (N/mm2)": "弹性模量 Es (N/mm2)",
    "Yield strength fy,r (N/mm2)": "屈服强度 fy,r (N/mm2)",
    "Ultimate strength fst,r (N/mm2)": "极限强度 fst,r (N/mm2)",
    "Yield strain  εy = fy,r / Es": "屈服应变  εy = fy,r / Es",
    "Strain at start of hardening  εuy": "硬化起点应变  εuy",
    "Strain at ultimate strength  εu": "峰值应变  εu",
    "Create Steel": "创建钢筋",
    "Derived from Es and fy,r; it follows them.": "由 Es 和 fy,r 算得，随二者变化。",
    "An assumption: GB 50010-2010 gives no strain at the start of hardening, and %1 is "
    "proposed for every grade. Replace it by test data of the bars where there are any.":
        "假定值：GB 50010-2010 未给出硬化起点应变，各牌号均建议取 %1。有钢筋试验数据时请以其代替。",
    "Steel (tension; compression is the same with the signs reversed)":
        "钢筋（受拉；受压与之相同，符号相反）",
    "Steel with name: \"%1\" already exists! Please Input another Name.":
        "名称为 \"%1\" 的钢筋已存在！请输入其他名称。",
    "Steel Name must not begin or end with a blank or a control character.":
        "钢筋名称的首尾不能是空格或控制字符。",
    "Steel %1": "钢筋 %1",
    "Steel %1: %2 is not an object.": "钢筋 %1：%2 不是对象。",
    "steel %1 has the same name.": "与钢筋 %1 同名。",

    # The strength basis.
    "&Basis": "强度取值(&B)",
    "&Characteristic values (fc,k, ft,k)": "标准值(&C) (fc,k, ft,k)",
    "&Mean values (fcm, ftm)…": "平均值(&M) (fcm, ftm)…",
    "&Design values (fc, ft)": "设计值(&D) (fc, ft)",
    "%1: %2": "%1：%2",
    "Strength basis": "强度取值",
    "Mean values (fcm, ftm), δc = %1": "平均值 (fcm, ftm)，δc = %1",
    "Design values (fc, ft)": "设计值 (fc, ft)",
    "Characteristic values (fc,k, ft,k)": "标准值 (fc,k, ft,k)",
    "Grade %1 lies outside C20–C80, the grades the law of GB 50010-2010 Appendix C is stated for.":
        "强度等级 %1 不在 C20–C80 之内，GB 50010-2010 附录 C 的本构关系适用于该范围。",
    "Mean Values": "平均值",
    "Coefficient of variation of the concrete strength δc\n(from your test statistics, 0 < δc < %1):":
        "混凝土强度变异系数 δc\n（取自试验统计，0 < δc < %1）：",
    "Cancel": "取消",
    "δc must be greater than 0 and less than %1.": "δc 必须大于 0 且小于 %1。",
    "mean (fcm, ftm), δc = %1": "平均值 (fcm, ftm)，δc = %1",
    "only mean values have a coefficient of variation.": "只有平均值才有变异系数。",
    "%1 is not between 0 and 0.6.": "%1 不在 0 与 0.6 之间。",
    "the coefficient of variation %1 is not between 0 and 0.6.": "变异系数 %1 不在 0 与 0.6 之间。",

    # Solver input, its options and checks.
    "cracking displacement": "开裂位移",
    "inelastic strain": "非弹性应变",
    "cracking strain": "开裂应变",
    " (E0, the secant to the elastic limit, is too small for this curve: choose a lower elastic limit or E0 = Ec)":
        "（E0 即弹性极限处的割线模量，对此曲线过小：请选用较低的弹性极限或 E0 = Ec）",
    "the %1 %2 decreases at strain %3%4; Abaqus needs it strictly increasing":
        "%1%2在应变 %3 处减小%4；Abaqus 要求其严格递增",
    "the plastic displacement Abaqus derives from the %1 damage": "Abaqus 由%1损伤推算的塑性位移",
    "the plastic strain Abaqus derives from the %1 damage": "Abaqus 由%1损伤推算的塑性应变",
    "the %1 damage is %2 at strain %3%4; Abaqus needs it at least 0 and below 1":
        "%1损伤在应变 %3 处为 %2%4；Abaqus 要求其不小于 0 且小于 1",
    " (Abaqus takes the elastic part for a unit length, and the crack band is shorter: choose a smaller length unit, strain or less damage)":
        "（Abaqus 按单位长度计算弹性部分，而裂缝带宽度更短：请选用更小的长度单位、改用应变或减小损伤）",
    "%1 is negative at strain %2%3": "%1在应变 %2 处为负%3",
    "%1 decreases at strain %2%3": "%1在应变 %2 处减小%3",
    "--damage: \"%1\" is none of energy, code, birtel-mark and none.":
        "--damage：\"%1\" 不是 energy、code、birtel-mark、none 之一。",
    "--e0: \"%1\" is neither ec nor secant.": "--e0：\"%1\" 既不是 ec 也不是 secant。",
    "--tension: \"%1\" is neither strain nor displacement.":
        "--tension：\"%1\" 既不是 strain 也不是 displacement。",
    "tension as cracking displacement needs the crack-band width h (--crack-band)":
        "以开裂位移表示受拉需要裂缝带宽度 h（--crack-band）",
    "the code damage rule leaves Abaqus no plastic strain (the law's damage is secant), so the effective stress sigma/(1 - d) climbs to hundreds of N/mm2 and CDP analyses often fail to converge; the default, unloading, gives the code's own plastic strain (C.2.5)":
        "规范损伤规则使 Abaqus 得不到塑性应变（本构关系的损伤按割线定义），有效应力 sigma/(1 - d) "
        "会升至数百 N/mm2，CDP 分析常常不收敛；默认的 unloading 规则给出规范自身的塑性应变（C.2.5）",
    "its compression curve has no secant to the elastic limit": "其受压曲线在弹性极限处没有割线",
    "strengths of --grade: characteristic (default), mean or design":
        "--grade 的强度取值：characteristic（标准值，默认）、mean（平均值）或 design（设计值）",
    "coefficient of variation delta c, with --basis mean: 0 < X < 0.6":
        "变异系数 δc，用于 --basis mean：0 < X < 0.6",
    "Prints what the definition fields show once grade G is picked in the window: the\n"
    "strength basis, the name and Ec, fc,r, ft,r, the peak strains (10-6) and the shape\n"
    "parameters, with the decimal separator of the locale. With --json: the same\n"
    "unrounded, as JSON numbers (strains in m/m), with \"basis\" (and \"cv\").\n":
        "输出在窗口中选择强度等级 G 后定义栏显示的内容：强度取值、名称以及 Ec、fc,r、ft,r、\n"
        "峰值应变（10-6）和下降段参数，小数点按区域设置。加 --json：输出未经舍入的相同数值，\n"
        "为 JSON 数字（应变以 m/m 计），并含 \"basis\"（及 \"cv\"）。\n",
    "Writes what the window's Export > Abaqus writes for the shown concretes of SOURCES (the\n"
    "ones the export dialog starts with checked; the ones pictures draws), in order: an\n"
    "input file (.inp) or an Abaqus/CAE script (.py), as the suffix of FILE says unless\n"
    "--output does; inp for -o - and other suffixes. A concrete the writer refuses (e.g. a\n"
    "curve that ends before its peak) fails the command and nothing is written; names\n"
    "that had to change for Abaqus are noted on stderr.\n"
    "\n"
    "--damage code leaves Abaqus no plastic strain: the effective stress climbs to\n"
    "hundreds of N/mm2 and CDP analyses often fail to converge (a warning on stderr);\n"
    "birtel-mark makes a share --bc/--bt of the inelastic strain plastic.\n"
    "--tension displacement needs --crack-band H.\n":
        "按顺序为 SOURCES 中显示的混凝土（即导出对话框初始勾选的、pictures 绘制的混凝土）写出\n"
        "与窗口中“导出到 Abaqus”相同的内容：输入文件（.inp）或 Abaqus/CAE 脚本（.py），由 FILE\n"
        "的后缀决定，除非给出 --output；-o - 及其他后缀为 inp。若有混凝土被拒绝（例如曲线在\n"
        "峰值前终止），命令失败且不写出任何内容；为 Abaqus 更改的名称在 stderr 上注明。\n"
        "\n"
        "--damage code 使 Abaqus 得不到塑性应变：有效应力会升至数百 N/mm2，CDP 分析常常\n"
        "不收敛（stderr 上给出警告）；birtel-mark 把非弹性应变的 --bc/--bt 份额作为塑性应变。\n"
        "--tension displacement 需要 --crack-band H。\n",
    "compression elastic limit, fraction of fc, 0 < X <= 1 (0.4)":
        "受压弹性极限，fc 的倍数，0 < X <= 1 (0.4)",
    "E0: Ec (default) or the secant to the elastic limit": "E0：Ec（默认）或弹性极限处的割线模量",
    "energy (default), code, birtel-mark or none": "energy（默认）、code、birtel-mark 或 none",
    "birtel-mark's plastic share in compression, 0 < X <= 1 (0.7)":
        "birtel-mark 受压塑性份额，0 < X <= 1 (0.7)",
    "birtel-mark's plastic share in tension, 0 < X <= 1 (0.1)":
        "birtel-mark 受拉塑性份额，0 < X <= 1 (0.1)",
    "strain (default) or displacement: u = cracking strain x H":
        "strain（应变，默认）或 displacement（位移）：u = 开裂应变 x H",
    "crack-band width (element size) in the units' length, H > 0":
        "裂缝带宽度（单元尺寸），以所选单位的长度计，H > 0",
    "Writes what the window's Export > OpenSees writes for the shown concretes of SOURCES\n"
    "(the ones the export dialog starts with checked; the ones pictures draws), in order:\n"
    "one uniaxialMaterial ConcreteD per concrete, as Tcl (.tcl) or OpenSeesPy (.py), as the\n"
    "suffix of FILE says unless --format does; tcl for -o - and other suffixes.\n"
    "ConcreteD follows the code's compression curve exactly, but its tension curve\n"
    "differs from the code's by some 4 to 13 % of ft (the export dialog shows both).\n":
        "按顺序为 SOURCES 中显示的混凝土（即导出对话框初始勾选的、pictures 绘制的混凝土）写出\n"
        "与窗口中“导出到 OpenSees”相同的内容：每个混凝土一条 uniaxialMaterial ConcreteD，\n"
        "为 Tcl（.tcl）或 OpenSeesPy（.py），由 FILE 的后缀决定，除非给出 --format；-o - 及\n"
        "其他后缀为 tcl。\n"
        "ConcreteD 的受压曲线与规范完全一致，但受拉曲线与规范相差约 ft 的 4% 至 13%\n"
        "（导出对话框中可对比两者）。\n",
    "ConcreteD's plastic-strain parameter epssp, X > 0 (0.25)": "ConcreteD 塑性应变参数 epssp，X > 0 (0.25)",
    "ConcreteD's plastic-strain parameter etap, X > 0 (1.15)": "ConcreteD 塑性应变参数 etap，X > 0 (1.15)",
    "\n"
    "SOURCES: library files (.json) and --grade G, repeatable, taken in order. --grade G is\n"
    "the concrete that picking G in the window and pressing Create Concrete makes (name\n"
    "Con_G, end strains 0.016 and 700 x 10-6). Names must be unique across all sources.\n"
    "--basis mean|design fills every --grade with mean or design strengths instead of\n"
    "characteristic ones (names Con_Gm, Con_Gd); mean needs --cv, delta c of the concrete.\n"
    "\n"
    "Run tarvolin-cli COMMAND --help for the options of a command.\n"
    "Exit status: 0 success, 1 an input or output failed, 2 a wrong command line.\n":
        "\n"
        "SOURCES：材料库文件（.json）和 --grade G，可重复，按给出的顺序读取。--grade G 即在\n"
        "窗口中选择强度等级 G 后按“创建混凝土”得到的混凝土（名称 Con_G，极限应变 0.016 和\n"
        "700 x 10-6）。所有来源中的名称必须互不相同。\n"
        "--basis mean|design 使每个 --grade 采用强度平均值或设计值而非标准值（名称为 Con_Gm、\n"
        "Con_Gd）；mean 需要 --cv，即该混凝土的变异系数 δc。\n"
        "\n"
        "运行 tarvolin-cli COMMAND --help 查看某个命令的选项。\n"
        "退出状态：0 成功，1 输入或输出失败，2 命令行有误。\n",
    "--basis must be characteristic, mean or design (not \"%1\").":
        "--basis 必须为 characteristic、mean 或 design（而不是 \"%1\"）。",
    "--cv is for --basis mean only.": "--cv 只用于 --basis mean。",
    "--cv X is missing: --basis mean needs delta c, 0 < X < 0.6.":
        "缺少 --cv X：--basis mean 需要变异系数 δc，0 < X < 0.6。",
    "--cv: %1": "--cv：%1",
    "--cv must be greater than 0 and less than 0.6 (not %1).": "--cv 必须大于 0 且小于 0.6（而不是 %1）。",
    "tarvolin-cli: note: grade %1 lies outside C20-C80, the grades the law of GB 50010-2010 Appendix C is stated for.\n":
        "tarvolin-cli：注意：强度等级 %1 不在 C20-C80 之内，GB 50010-2010 附录 C 的本构关系适用于该范围。\n",
    "characteristic (fc,k, ft,k)": "标准值 (fc,k, ft,k)",
    "design (fc, ft)": "设计值 (fc, ft)",
    "characteristic (fy,k, fst,k)": "标准值 (fy,k, fst,k)",
    "design (fy, fst,k x fy / fy,k)": "设计值 (fy, fst,k x fy / fy,k)",
    "mean (fym, fstm), δs = %1": "平均值 (fym, fstm)，δs = %1",
    "--tension displacement: %1.": "--tension displacement：%1。",
    "tarvolin-cli: warning: %1.\n": "tarvolin-cli：警告：%1。\n",
    "%1 is not \"characteristic\", \"mean\" or \"design\".":
        "%1 不是 \"characteristic\"、\"mean\" 或 \"design\"。",

    # The export dialog's options and checks.
    "Damage (right)": "损伤（右轴）",
    "Effective stress σ/(1−d)": "有效应力 σ/(1−d)",
    "Tensile strain": "拉应变",
    "Stress (MPa)": "应力 (MPa)",
    "Stress (Pa)": "应力 (Pa)",
    "GB 50010 (Tarvolin's curve)": "GB 50010（Tarvolin 的曲线）",
    "ConcreteD in OpenSees": "OpenSees 中的 ConcreteD",
    "fb0/fc0": "fb0/fc0",
    "K": "K",
    "Elastic limit (× fc)": "弹性极限 (× fc)",
    "Ec": "Ec",
    "Secant to the elastic limit": "弹性极限处的割线模量",
    "Elastic modulus E0": "弹性模量 E0",
    "Birtel-Mark": "Birtel-Mark",
    "Plastic share bc": "塑性份额 bc",
    "Plastic share bt": "塑性份额 bt",
    "Tension against": "受拉表示为",
    "Crack-band width h": "裂缝带宽度 h",
    "Tcl (.tcl)": "Tcl (.tcl)",
    "OpenSeesPy (.py)": "OpenSeesPy (.py)",
    "Plastic-strain parameter εsp": "塑性应变参数 εsp",
    "Plastic-strain parameter ηp": "塑性应变参数 ηp",
    "above %1": "大于 %1",
    "at least %1": "不小于 %1",
    "above %1 and below %2": "大于 %1 且小于 %2",
    "above %1 and at most %2": "大于 %1 且不大于 %2",
    "from %1 to below %2": "不小于 %1 且小于 %2",
    "from %1 to %2": "%1 至 %2",
    "%1: enter a number.": "%1：请输入数字。",
    "%1: \"%2\" is not a number %3.": "%1：\"%2\" 不是%3的数。",
    "%1: \"%2\" is not a number above 0.": "%1：\"%2\" 不是大于 0 的数。",
    "Crack-band width h (%1)": "裂缝带宽度 h (%1)",
    "Cracking displacement (%1)": "开裂位移 (%1)",
    "Plastic displacement": "塑性位移",
    "Effective stress (Pa)": "有效应力 (Pa)",
    "Effective stress (MPa)": "有效应力 (MPa)",
    "Model name: 1 to 80 characters, no control characters.": "模型名称：1 到 80 个字符，不含控制字符。",
    "Abaqus derives a plastic strain of up to %1 in compression and %2 in tension, and an effective stress of up to %3 %5 in compression and %4 %5 in tension.":
        "Abaqus 推算：受压塑性应变最大 %1，受拉%2；有效应力受压最大 %3 %5，受拉最大 %4 %5。",
    "a plastic displacement of up to %1 %2": "塑性位移最大 %1 %2",
    "a plastic strain of up to %1": "塑性应变最大 %1",
    "The code rule leaves Abaqus no plastic strain: the law's damage is secant, so the effective stress σ/(1 − d) climbs far above the strength, and CDP analyses with such tables often fail to converge. Birtel-Mark or energy is the usual choice.":
        "规范规则使 Abaqus 得不到塑性应变：本构关系的损伤按割线定义，有效应力 σ/(1 − d) 远超强度，"
        "采用这样的表格的 CDP 分析常常不收敛。通常选用 Birtel-Mark 或能量规则。",
    "Material names changed for Abaqus:": "为 Abaqus 更改的材料名称：",
    "ConcreteD follows the code's compression curve exactly, but not its tension curve: for %1 the two differ by up to %2 % of ft (%3 % before the peak, %4 % after it).":
        "ConcreteD 的受压曲线与规范完全一致，受拉曲线则不然：对于 %1，两者最多相差 ft 的 %2 %（峰值前 %3 %，峰值后 %4 %）。",

    # Steels on the command line and in the export dialogs.
    "Cannot encode the chart as a PNG picture.": "无法将图表编码为 PNG 图片。",
    "strengths of --grade and --steel: characteristic (default), mean or design":
        "--grade 和 --steel 的强度取值：characteristic（标准值，默认）、mean（平均值）或 design（设计值）",
    "coefficient of variation delta c (delta s), with --basis mean: 0 < X < 0.6":
        "变异系数 δc（δs），用于 --basis mean：0 < X < 0.6",
    "the name and the values that picking grade G (or steel GRADE) fills in":
        "选择强度等级 G（或钢筋牌号 GRADE）后填入的名称和数值",
    "With --steel GRADE instead: what the steel window's fields show for a reinforcing\n"
    "steel grade (HPB300, HRB335, HRB400, HRBF400, RRB400, HRB500, HRBF500) on the basis:\n"
    "the name, Es, fy, fst, the yield strain, euy (an assumption: the code gives none) and\n"
    "eu; with --json the library's keys name, Es, fy, fst, euy, eu, basis (and cv).\n":
        "改用 --steel GRADE 时：输出钢筋窗口中该钢筋牌号（HPB300、HRB335、HRB400、HRBF400、\n"
        "RRB400、HRB500、HRBF500）按强度取值显示的内容：名称、Es、fy、fst、屈服应变、euy（假定值：\n"
        "规范未给出）和 eu；加 --json 时为材料库的键 name、Es、fy、fst、euy、eu、basis（及 cv）。\n",
    "a reinforcing steel grade, e.g. HRB400": "钢筋牌号，例如 HRB400",
    "write the concretes and steels into one library file": "把混凝土和钢筋写入一个材料库文件",
    "Writes the concretes and the steels of SOURCES, in order, into a library file that the\n"
    "window opens (File > Open Library...). Without steels it is a version-1 library, as\n"
    "before steels existed; with steels version 2.\n":
        "按顺序把 SOURCES 中的混凝土和钢筋写入一个材料库文件，可在窗口中打开（文件 > 打开材料库…）。\n"
        "不含钢筋时为版本 1 的材料库，与有钢筋之前相同；含钢筋时为版本 2。\n",
    "Writes every steel of SOURCES, shown or hidden, in order: a table of the parameters,\n"
    "then the corner points of each steel's curve (origin, yield, start of hardening,\n"
    "ultimate), numbers as in the concrete CSV file.\n":
        "按顺序写出 SOURCES 中的每根钢筋（无论显示与否）：先是参数表，然后是每根钢筋曲线的\n"
        "角点（原点、屈服、硬化起点、极限），数字格式与混凝土 CSV 文件相同。\n",
    "write Compression, Tension (and Steel) pictures of the charts": "写出受压、受拉（及钢筋）图表的图片",
    "Writes the Compression and Tension charts, with the curves of the shown concretes, as\n"
    "Save Picture does: FOLDER/Compression.bmp and FOLDER/Tension.bmp. When SOURCES hold\n"
    "steels, the steel chart too, with the curves of the shown steels, as FOLDER/Steel.bmp.\n"
    "FOLDER is created when it does not exist. --width and --height set the size of every\n"
    "picture in pixels (16 to 10000; each side not given stays the chart's own, 585 x 223,\n"
    "585 x 203 and 585 x 396) and --scale gives a PNG twice or three times the pixels with\n"
    "the same look, as the window's picture options do.\n":
        "像“保存图片”一样写出受压和受拉图表及所显示混凝土的曲线：FOLDER/Compression.bmp 和\n"
        "FOLDER/Tension.bmp。SOURCES 含钢筋时还写出钢筋图表及所显示钢筋的曲线：FOLDER/Steel.bmp。\n"
        "FOLDER 不存在时自动创建。--width 和 --height 设定每张图片的像素尺寸（16 至 10000；\n"
        "未给出的边保持图表自身尺寸：585 x 223、585 x 203 和 585 x 396），--scale 使 PNG 在外观\n"
        "不变的情况下像素增至两倍或三倍，与窗口中的图片选项相同。\n",
    "the width of every picture in pixels, 16 to 10000": "每张图片的宽度（像素），16 至 10000",
    "the height of every picture in pixels, 16 to 10000": "每张图片的高度（像素），16 至 10000",
    "PNG only: 2 or 3 times the pixels each way (1)": "仅用于 PNG：每个方向像素增至 2 或 3 倍 (1)",
    "Writes what the window's Export > Abaqus writes for the shown concretes of SOURCES (the\n"
    "ones the export dialog starts with checked; the ones pictures draws), in order: an\n"
    "input file (.inp) or an Abaqus/CAE script (.py), as the suffix of FILE says unless\n"
    "--output does; inp for -o - and other suffixes. A concrete the writer refuses (e.g. a\n"
    "curve that ends before its peak) fails the command and nothing is written; names\n"
    "that had to change for Abaqus are noted on stderr.\n"
    "\n"
    "--damage unloading, the default, takes the compression damage from the code's\n"
    "unloading rule (C.2.5): Abaqus derives exactly the code's plastic strain (held at the\n"
    "largest damage reached beyond about 2.9 eps_c). Tension keeps energy, as before,\n"
    "unless --tension-damage says otherwise; every other --damage serves both curves.\n"
    "--damage code leaves Abaqus no plastic strain: the effective stress climbs to\n"
    "hundreds of N/mm2 and CDP analyses often fail to converge (a warning on stderr);\n"
    "birtel-mark makes a share --bc/--bt of the inelastic strain plastic.\n"
    "--tension displacement needs --crack-band H.\n"
    "The shown steels follow the concretes: *Elastic and *Plastic, true stress against\n"
    "logarithmic plastic strain within 0.1 % of the curve up to eu (or the nominal values).\n":
        "按顺序为 SOURCES 中显示的混凝土（即导出对话框初始勾选的、pictures 绘制的混凝土）写出\n"
        "与窗口中“导出到 Abaqus”相同的内容：输入文件（.inp）或 Abaqus/CAE 脚本（.py），由 FILE\n"
        "的后缀决定，除非给出 --output；-o - 及其他后缀为 inp。若有混凝土被拒绝（例如曲线在\n"
        "峰值前终止），命令失败且不写出任何内容；为 Abaqus 更改的名称在 stderr 上注明。\n"
        "\n"
        "--damage unloading（默认）按规范的卸载规则（C.2.5）取受压损伤：Abaqus 推算出的塑性\n"
        "应变正是规范的塑性应变（约 2.9 eps_c 以后损伤保持已达到的最大值）。受拉仍按 energy，\n"
        "与以前相同，除非给出 --tension-damage；其他 --damage 规则同时用于受压和受拉。\n"
        "--damage code 使 Abaqus 得不到塑性应变：有效应力会升至数百 N/mm2，CDP 分析常常\n"
        "不收敛（stderr 上给出警告）；birtel-mark 把非弹性应变的 --bc/--bt 份额作为塑性应变。\n"
        "--tension displacement 需要 --crack-band H。\n"
        "所显示的钢筋排在混凝土之后：*Elastic 和 *Plastic，真应力对对数塑性应变，在 eu 以内与\n"
        "曲线相差不超过 0.1 %（或名义值）。\n",
    "steels' *Plastic: true (default) or nominal values": "钢筋的 *Plastic：true（真实值，默认）或 nominal（名义值）",
    "steels' Poisson's ratio, 0 <= X < 0.5 (0.3)": "钢筋的泊松比，0 <= X < 0.5 (0.3)",
    "write OpenSees ConcreteD materials (and steel materials)": "写出 OpenSees ConcreteD 材料（及钢筋材料）",
    "Writes what the window's Export > OpenSees writes for the shown concretes of SOURCES\n"
    "(the ones the export dialog starts with checked; the ones pictures draws), in order:\n"
    "one uniaxialMaterial ConcreteD per concrete, as Tcl (.tcl) or OpenSeesPy (.py), as the\n"
    "suffix of FILE says unless --format does; tcl for -o - and other suffixes.\n"
    "ConcreteD follows the code's compression curve exactly, but its tension curve\n"
    "differs from the code's by some 4 to 13 % of ft (the export dialog shows both).\n"
    "The shown steels follow, their tags after the concretes': Hysteretic with the code's\n"
    "curve as its envelope, or Steel02 with --steel-material steel02.\n":
        "按顺序为 SOURCES 中显示的混凝土（即导出对话框初始勾选的、pictures 绘制的混凝土）写出\n"
        "与窗口中“导出到 OpenSees”相同的内容：每个混凝土一条 uniaxialMaterial ConcreteD，\n"
        "为 Tcl（.tcl）或 OpenSeesPy（.py），由 FILE 的后缀决定，除非给出 --format；-o - 及\n"
        "其他后缀为 tcl。\n"
        "ConcreteD 的受压曲线与规范完全一致，但受拉曲线与规范相差约 ft 的 4% 至 13%\n"
        "（导出对话框中可对比两者）。\n"
        "所显示的钢筋随后写出，编号接在混凝土之后：以规范曲线为骨架的 Hysteretic，或加\n"
        "--steel-material steel02 时为 Steel02。\n",
    "the steels' material (hysteretic)": "钢筋的材料 (hysteretic)",
    "\n"
    "SOURCES: library files (.json) and --grade G, repeatable, taken in order. --grade G is\n"
    "the concrete that picking G in the window and pressing Create Concrete makes (name\n"
    "Con_G, end strains 0.016 and 700 x 10-6). Names must be unique across all sources.\n"
    "--steel GRADE, repeatable too, is the reinforcing steel that picking GRADE in the steel\n"
    "window and pressing Create Steel makes (e.g. HRB400); steels come from library files as\n"
    "well, and their names must be unique among the steels.\n"
    "--basis mean|design fills every --grade and --steel with mean or design strengths\n"
    "instead of characteristic ones (names Con_Gm, HRB400m; Con_Gd, HRB400d); mean needs\n"
    "--cv, the coefficient of variation (delta c, delta s) they share.\n"
    "\n"
    "Run tarvolin-cli COMMAND --help for the options of a command.\n"
    "Exit status: 0 success, 1 an input or output failed, 2 a wrong command line.\n":
        "\n"
        "SOURCES：材料库文件（.json）和 --grade G，可重复，按给出的顺序读取。--grade G 即在\n"
        "窗口中选择强度等级 G 后按“创建混凝土”得到的混凝土（名称 Con_G，极限应变 0.016 和\n"
        "700 x 10-6）。所有来源中的名称必须互不相同。\n"
        "--steel GRADE 也可重复，即在钢筋窗口中选择牌号 GRADE 后按“创建钢筋”得到的钢筋\n"
        "（例如 HRB400）；钢筋也可来自材料库文件，钢筋名称必须互不相同。\n"
        "--basis mean|design 使每个 --grade 和 --steel 采用强度平均值或设计值而非标准值（名称为\n"
        "Con_Gm、HRB400m；Con_Gd、HRB400d）；mean 需要 --cv，即两者共用的变异系数（δc、δs）。\n"
        "\n"
        "运行 tarvolin-cli COMMAND --help 查看某个命令的选项。\n"
        "退出状态：0 成功，1 输入或输出失败，2 命令行有误。\n",
    "No concretes or steels: give library files, --grade G or --steel GRADE.":
        "没有混凝土或钢筋：请给出材料库文件、--grade G 或 --steel GRADE。",
    "--steel: \"%1\" is not a steel grade (%2).": "--steel：\"%1\" 不是钢筋牌号（%2）。",
    "--grade and --steel: give one of them.": "--grade 和 --steel：请只给出其中之一。",
    "%1 names must be unique; given more than once: %2.": "%1 名称必须唯一；以下名称出现了不止一次：%2。",
    "%1: steel \"%2\", field %3: %4": "%1：钢筋 \"%2\"，字段 %3：%4",
    "No concrete is shown (nor any steel): nothing to write.": "没有显示的混凝土（也没有钢筋）：无内容可写。",
    "tarvolin-cli: note: steel \"%1\" is written as material \"%2\".\n":
        "tarvolin-cli：注意：钢筋 \"%1\" 写为材料 \"%2\"。\n",
    "Steel names must be unique; given more than once: %1.": "钢筋名称必须唯一；以下名称出现了不止一次：%1。",
    "tarvolin-cli: note: --crack-band is used only with --tension displacement; the tension tables are against strain.\n":
        "tarvolin-cli：注意：--crack-band 只用于 --tension displacement；受拉表格以应变表示。\n",
    "tarvolin-cli: note: --bc and --bt are used only with --damage birtel-mark.\n":
        "tarvolin-cli：注意：--bc 和 --bt 只用于 --damage birtel-mark。\n",
    "No steels have been created: nothing to write.": "尚未创建任何钢筋：无内容可写。",
    "Field \"steels\": %1 is not a list.": "字段 \"steels\"：%1 不是列表。",
    "The library has version %1, written by a newer Tarvolin; this one reads versions up to %2.":
        "该材料库的版本为 %1，由较新的 Tarvolin 写入；本程序最高只能读取版本 %2。",
    "No concrete or steel is checked.": "未勾选任何混凝土或钢筋。",
    "Steels": "钢筋",
    "True stress, logarithmic plastic strain": "真应力、对数塑性应变",
    "Nominal values": "名义值",
    "True values are right for a large-strain analysis (NLGEOM=YES) and about 12 % off in a "
    "small-strain one, where nominal values are the choice.":
        "真值适用于大变形分析（NLGEOM=YES），用于小变形分析时偏差约 12 %，小变形分析应选名义值。",
    "Steel plastic table": "钢筋塑性表",
    "Steel Poisson's ratio": "钢筋泊松比",
    "Hysteretic (the code's curve)": "Hysteretic（规范曲线）",
    "Steel02 (cyclic analyses)": "Steel02（往复分析）",
    "Steel material": "钢筋材料",
    "Steel Poisson's ratio: \"%1\" is not a number from %2 to below %3.":
        "钢筋泊松比：\"%1\" 不是不小于 %2 且小于 %3 的数。",
    "%1 rows; largest gap to the curve %2 % of the stress": "%1 行；与曲线的最大偏差为应力的 %2 %",
    "Mean values (fy,m, fst,m), δs = %1": "平均值 (fy,m, fst,m)，δs = %1",
    "Design values (fy, fst,k × fy / fy,k)": "设计值 (fy, fst,k × fy / fy,k)",
    "Characteristic values (fy,k, fst,k)": "标准值 (fy,k, fst,k)",
    "Coefficient of variation  δs": "变异系数  δs",
    "The bars' coefficient of variation of strength, from your test statistics:\n"
    "used on the mean basis only, fy,m = fy,k / (1 − 1.645 δs).":
        "钢筋强度的变异系数，取自试验统计：\n仅用于平均值，fy,m = fy,k / (1 − 1.645 δs)。",
    "An assumption: GB 50010-2010 gives no strain at the start of hardening,\n"
    "and %1 is proposed for every grade.\n"
    "Replace it by test data of the bars where there are any.":
        "假定值：GB 50010-2010 未给出硬化起点应变，\n各牌号均建议取 %1。\n有钢筋试验数据时请以其代替。",
    "δs must be greater than 0 and less than %1.": "δs 必须大于 0 且小于 %1。",

    # About.
    "About Tarvolin": "关于 Tarvolin",
    "Version %1": "版本 %1",
    "Author : Quessel": "作者：Quessel",
    "Affiliation : independent developer": "单位：独立开发者",
    "Mail : quessel@example.org": "邮箱：quessel@example.org",
    "Matrix : @quessel:example.org": "Matrix 账号：@quessel:example.org",
    "Website : ": "网站：",
    "OK": "确定",

    # tarvolin --help.
    "Usage: tarvolin [options] [library]\n"
    "Builds the stress-strain curves of concrete after GB 50010-2010, Appendix C.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Displays this help.\n"
    "  -v, --version  Displays version information.\n"
    "\n"
    "Arguments:\n"
    "  library        A Tarvolin library (*.json) to open at start-up.\n":
        "用法：tarvolin [选项] [library]\n"
        "按 GB 50010-2010 附录 C 生成混凝土的应力-应变曲线。\n"
        "\n"
        "选项：\n"
        "  -h, --help     显示此帮助。\n"
        "  -v, --version  显示版本信息。\n"
        "\n"
        "参数：\n"
        "  library        启动时打开的 Tarvolin 材料库（*.json）。\n",
    "Only one library can be opened at start-up.": "启动时只能打开一个材料库。",

    # tarvolin-cli.
    "Usage: tarvolin-cli COMMAND [OPTIONS]\n"
    "       tarvolin-cli --help | --version\n"
    "\n"
    "Commands:\n":
        "用法：tarvolin-cli COMMAND [OPTIONS]\n"
        "      tarvolin-cli --help | --version\n"
        "\n"
        "命令：\n",
    "\n"
    "SOURCES: library files (.json) and --grade G, repeatable, taken in order. --grade G is\n"
    "the concrete that picking G in the window and pressing Create Concrete makes (name\n"
    "Con_G, end strains 0.016 and 700 x 10-6). Names must be unique across all sources.\n"
    "\n"
    "Run tarvolin-cli COMMAND --help for the options of a command.\n"
    "Exit status: 0 success, 1 an input or output failed, 2 a wrong command line.\n":
        "\n"
        "SOURCES：材料库文件（.json）和 --grade G，可重复，按给出的顺序读取。--grade G 即在\n"
        "窗口中选择强度等级 G 后按“创建混凝土”得到的混凝土（名称 Con_G，极限应变 0.016 和\n"
        "700 x 10-6）。所有来源中的名称必须互不相同。\n"
        "\n"
        "运行 tarvolin-cli COMMAND --help 查看某个命令的选项。\n"
        "退出状态：0 成功，1 输入或输出失败，2 命令行有误。\n",
    "Usage: tarvolin-cli %1 %2\n": "用法：tarvolin-cli %1 %2\n",
    "\nOptions:\n": "\n选项：\n",
    "  LIBRARY.json           the concretes of a library file\n":
        "  LIBRARY.json           材料库文件中的混凝土\n",
    "  --grade G              the concrete of strength grade G (repeatable)\n":
        "  --grade G              强度等级为 G 的混凝土（可重复）\n",
    "  --help                 this help\n": "  --help                 显示此帮助\n",
    "the file to write; - for standard output": "要写入的文件；- 表示标准输出",
    "the name and the seven values that picking grade G fills in":
        "选择强度等级 G 后填入的名称和七个数值",
    "Prints what the definition fields show once grade G is picked in the window: the name\n"
    "and Ec, fc,k, ft,k, the peak strains (10-6) and the shape parameters, with the\n"
    "decimal separator of the locale. With --json: the same unrounded, as JSON numbers\n"
    "(strains in m/m).\n":
        "输出在窗口中选择强度等级 G 后定义栏显示的内容：名称以及 Ec、fc,k、ft,k、峰值应变\n"
        "（10-6）和下降段参数，小数点按区域设置。加 --json：输出未经舍入的相同数值，为 JSON\n"
        "数字（应变以 m/m 计）。\n",
    "the strength grade fcu,k (N/mm2), e.g. 30 or 22.5": "强度等级 fcu,k (N/mm2)，例如 30 或 22.5",
    "print JSON with full-precision numbers": "以全精度数字输出 JSON",
    "write the concretes into one library file": "把混凝土写入一个材料库文件",
    "Writes the concretes of SOURCES, in order, into a library file that the window opens\n"
    "(File > Open Library...).\n":
        "按顺序把 SOURCES 中的混凝土写入一个材料库文件，可在窗口中打开\n"
        "（文件 > 打开材料库…）。\n",
    "write the CSV file that Save Data writes": "写出与“保存数据”相同的 CSV 文件",
    "Writes exactly the bytes that Save Data writes for the same concretes: every concrete,\n"
    "shown or hidden, in order.\n":
        "对相同的混凝土写出与“保存数据”逐字节相同的文件：按顺序包含每个混凝土，\n"
        "无论显示与否。\n",
    "the decimal separator of the numbers: . or , (default: the locale's)":
        "数字的小数点：. 或 ,（默认按区域设置）",
    "write Compression and Tension pictures of the charts": "写出受压和受拉图表的图片",
    "Writes the Compression and Tension charts, with the curves of the shown concretes, as\n"
    "Save Picture does: FOLDER/Compression.bmp and FOLDER/Tension.bmp. FOLDER is created\n"
    "when it does not exist.\n":
        "像“保存图片”一样写出受压和受拉图表及所显示混凝土的曲线：FOLDER/Compression.bmp\n"
        "和 FOLDER/Tension.bmp。FOLDER 不存在时自动创建。\n",
    "the folder to write into": "写入的文件夹",
    "bmp (default), png, svg or pdf": "bmp（默认）、png、svg 或 pdf",
    "write Abaqus concrete damaged plasticity input": "写出 Abaqus 混凝土塑性损伤（CDP）输入",
    "Writes what the window's Export > Abaqus writes for the shown concretes of SOURCES (the\n"
    "ones the export dialog starts with checked; the ones pictures draws), in order: an\n"
    "input file (.inp) or an Abaqus/CAE script (.py), as the suffix of FILE says unless\n"
    "--output does; inp for -o - and other suffixes. A concrete the writer refuses (e.g. a\n"
    "curve that ends before its peak) fails the command and nothing is written; names\n"
    "that had to change for Abaqus are noted on stderr.\n":
        "按顺序为 SOURCES 中显示的混凝土（即导出对话框初始勾选的、pictures 绘制的混凝土）写出\n"
        "与窗口中“导出到 Abaqus”相同的内容：输入文件（.inp）或 Abaqus/CAE 脚本（.py），由 FILE\n"
        "的后缀决定，除非给出 --output；-o - 及其他后缀为 inp。若有混凝土被拒绝（例如曲线在\n"
        "峰值前终止），命令失败且不写出任何内容；为 Abaqus 更改的名称在 stderr 上注明。\n",
    "N, mm, MPa (default) or N, m, Pa": "N, mm, MPa（默认）或 N, m, Pa",
    "Poisson's ratio, 0 <= X < 0.5 (0.2)": "泊松比，0 <= X < 0.5 (0.2)",
    "dilation angle in degrees, 0 < X < 90 (30)": "膨胀角（度），0 < X < 90 (30)",
    "flow potential eccentricity, X > 0 (0.1)": "流动势偏心率，X > 0 (0.1)",
    "biaxial to uniaxial compressive strength, X > 1 (1.16)":
        "双轴与单轴抗压强度之比，X > 1 (1.16)",
    "K, 0.5 < X <= 1 (0.6667)": "K，0.5 < X <= 1 (0.6667)",
    "viscosity parameter, X >= 0 (0.0005)": "黏性系数，X >= 0 (0.0005)",
    "compression elastic limit, fraction of fc,k, 0 < X <= 1 (0.4)":
        "受压弹性极限，fc,k 的倍数，0 < X <= 1 (0.4)",
    "energy (default), code or none": "energy（默认）、code 或 none",
    "at most N rows per table, 3 <= N <= 100000 (40)": "每表最多 N 行，3 <= N <= 100000 (40)",
    "the model of the CAE script (Model-1)": "CAE 脚本的模型 (Model-1)",
    "input file or CAE script (default: from FILE)": "输入文件或 CAE 脚本（默认由 FILE 决定）",
    "write OpenSees ConcreteD materials": "写出 OpenSees ConcreteD 材料",
    "Writes what the window's Export > OpenSees writes for the shown concretes of SOURCES\n"
    "(the ones the export dialog starts with checked; the ones pictures draws), in order:\n"
    "one uniaxialMaterial ConcreteD per concrete, as Tcl (.tcl) or OpenSeesPy (.py), as the\n"
    "suffix of FILE says unless --format does; tcl for -o - and other suffixes.\n":
        "按顺序为 SOURCES 中显示的混凝土（即导出对话框初始勾选的、pictures 绘制的混凝土）写出\n"
        "与窗口中“导出到 OpenSees”相同的内容：每个混凝土一条 uniaxialMaterial ConcreteD，\n"
        "为 Tcl（.tcl）或 OpenSeesPy（.py），由 FILE 的后缀决定，除非给出 --format；-o - 及\n"
        "其他后缀为 tcl。\n",
    "the tag of the first material; the others follow (1)": "第一个材料的编号，其余依次递增 (1)",
    "Tcl or OpenSeesPy (default: from FILE)": "Tcl 或 OpenSeesPy（默认由 FILE 决定）",
    "%1 needs a value.": "%1 需要一个值。",
    "Unexpected argument \"%1\".": "多余的参数 \"%1\"。",
    "Unknown option \"%1\".": "未知选项 \"%1\"。",
    "%1 takes no value.": "%1 不接受值。",
    "%1 is given twice.": "%1 给出了两次。",
    "-o is missing: say where to write.": "缺少 -o：请指定写入位置。",
    "No concretes: give library files or --grade G.": "没有混凝土：请给出材料库文件或 --grade G。",
    "The command %1 is not available in this build.": "此版本不提供命令 %1。",
    "Cannot write standard output.": "无法写入标准输出。",
    "No command given.": "未给出命令。",
    "Unknown command \"%1\".": "未知命令 \"%1\"。",
    "%1: Out of memory.\n": "%1：内存不足。\n",
    "--grade: %1": "--grade：%1",
    "--grade: %1 fcu,k must be positive!": "--grade：%1：fcu,k 必须为正数！",
    "--grade G is missing.": "缺少 --grade G。",
    "%1: concrete \"%2\", field %3: %4": "%1：混凝土 \"%2\"，字段 %3：%4",
    "Concrete names must be unique; given more than once: %1.":
        "混凝土名称必须唯一；以下名称出现了不止一次：%1。",
    "--separator must be . or , (not \"%1\").": "--separator 必须为 . 或 ,（而不是 \"%1\"）。",
    "Cannot create the folder \"%1\".": "无法创建文件夹 \"%1\"。",
    "No concrete is shown: nothing to write.": "没有显示的混凝土：无内容可写。",
    "Cannot write: %1": "无法写出：%1",
    "Nothing was written.": "未写入任何内容。",
    "tarvolin-cli: note: concrete \"%1\" is written as material \"%2\".\n":
        "tarvolin-cli：注意：混凝土 \"%1\" 写为材料 \"%2\"。\n",
    "pictures writes two files into a folder: -o - is for text outputs.":
        "pictures 向一个文件夹写入两个文件：-o - 仅用于文本输出。",
    "--format must be bmp, png, svg or pdf (not \"%1\").":
        "--format 必须为 bmp、png、svg 或 pdf（而不是 \"%1\"）。",
    "Cannot write into \"%1\": it is not a folder.": "无法写入 \"%1\"：它不是文件夹。",

    "write the steel CSV file: parameters and corner points": "写出钢筋 CSV 文件：参数和转折点",
    "  --steel GRADE          the reinforcing steel of GRADE (repeatable)\n":
        "  --steel GRADE          牌号为 GRADE 的钢筋（可重复）\n",

    # Repeated load (C.2.5, C.1.3) and the code's unloading rule as Abaqus damage.
    "--damage: \"%1\" is none of unloading, energy, code, birtel-mark and none.":
        "--damage：\"%1\" 不是 unloading、energy、code、birtel-mark、none 之一。",
    "--tension-damage: unloading is the code's rule for compression (C.2.5); the code gives tension no plastic strain. Choose energy, code, birtel-mark or none.":
        "--tension-damage：unloading 是规范的受压卸载规则（C.2.5），规范未给出受拉的塑性应变。"
        "请选择 energy、code、birtel-mark 或 none。",
    "--tension-damage: \"%1\" is none of energy, code, birtel-mark and none.":
        "--tension-damage：\"%1\" 不是 energy、code、birtel-mark、none 之一。",
    "unloading (default), energy, code, birtel-mark or none":
        "unloading（规范卸载，默认）、energy、code、birtel-mark 或 none",
    "tension's own: energy, code, birtel-mark or none (as --damage; energy with unloading)":
        "单独指定受拉损伤：energy、code、birtel-mark 或 none（默认同 --damage；unloading 时为 energy）",
    "tarvolin-cli: note: --bc is used only with --damage birtel-mark.\n":
        "tarvolin-cli：注意：--bc 只用于 --damage birtel-mark。\n",
    "tarvolin-cli: note: --bt is used only where the tension damage is birtel-mark (--damage or --tension-damage).\n":
        "tarvolin-cli：注意：--bt 只用于受拉损伤为 birtel-mark 时（--damage 或 --tension-damage）。\n",
    "code unloading (C.2.5)": "规范卸载（C.2.5）",
    "write the repeated-load paths of the shown concretes and steels": "写出所显示混凝土和钢筋的反复加载路径",
    "Writes the path that each shown concrete and steel of SOURCES follows through the\n"
    "strain history LIST, concretes first, then steels, each in order: concrete after\n"
    "GB 50010-2010 C.2.5 (unloading and reloading along one line toward the plastic strain)\n"
    "and C.2.6, steel after C.1.3. LIST is strains in m/m separated by commas, each with a\n"
    "decimal point, compression negative and tension positive as finite-element programs\n"
    "take them; the first value is the start, reached along the envelope. Example:\n"
    "  --history 0,-0.002,-0.001,-0.004,-0.0025,-0.008\n"
    "The file: the line material,strain,stress, then one line a point, stress in N/mm2:\n"
    "every value of LIST exactly, the corners of the rules, and between them points at\n"
    "most S apart in strain (default 0.00001); at most 10000000 points in all.\n"
    "Where the code is silent: concrete that crosses into tension cracks at its plastic\n"
    "strain and unloads along its secant (1 - dt) Ec toward that point; a bar reversed\n"
    "before its stress reaches zero goes back along the same elastic line and takes up its\n"
    "branch again where it left it; a bar reversed on a reloading curve unloads along Es\n"
    "and reloads toward the other direction's target; a bar strained beyond eu has failed\n"
    "and carries nothing for the rest of the history.\n":
        "写出 SOURCES 中每个所显示的混凝土和钢筋在应变历史 LIST 下的路径，先混凝土后钢筋，\n"
        "各按顺序：混凝土按 GB 50010-2010 C.2.5（卸载与再加载沿同一直线，指向塑性应变）和\n"
        "C.2.6，钢筋按 C.1.3。LIST 为以逗号分隔的应变（m/m），用小数点书写，与有限元程序\n"
        "一致，压为负、拉为正；第一个值为起点，沿骨架曲线加载到达。例如：\n"
        "  --history 0,-0.002,-0.001,-0.004,-0.0025,-0.008\n"
        "文件：首行 material,strain,stress，之后每点一行，应力单位 N/mm2：LIST 中的每个值\n"
        "都原样出现，规则的转折点各为一点，其间各点的应变间隔不超过 S（默认 0.00001）；\n"
        "总点数不超过 10000000。\n"
        "规范未作规定之处：混凝土进入受拉时在其塑性应变处开裂，并沿割线 (1 - dt) Ec 向该点\n"
        "卸载；钢筋在应力回到零之前反向时，沿同一弹性直线返回，并在离开处继续原来的分支；\n"
        "钢筋在再加载曲线上反向时，沿 Es 卸载，再向另一方向的目标点再加载；钢筋沿骨架曲线\n"
        "超过 eu 即已断裂，此后不再承载。\n",
    "the strains, comma-separated: the start, then where the strain goes":
        "应变，以逗号分隔：先是起点，再依次是应变所到之处",
    "the largest strain between two points, S > 0 (0.00001)": "相邻两点的最大应变间隔，S > 0 (0.00001)",
    "--history LIST is missing: give the strains, e.g. --history 0,-0.002,-0.001,-0.004.":
        "缺少 --history LIST：请给出应变，例如 --history 0,-0.002,-0.001,-0.004。",
    "--history: %1.": "--history：%1。",
    "--step: %1.": "--step：%1。",
    "No concrete or steel is shown: nothing to write.": "没有显示的混凝土或钢筋：无内容可写。",
    "the list of strains is empty": "应变列表为空",
    "value %1 is not a finite number": "第 %1 个值不是有限数",
    "value %1, %2, lies beyond -1 to 1: strains are in m/m (-0.002, not -2000 microstrain)":
        "第 %1 个值 %2 超出 -1 到 1：应变以 m/m 计（应写 -0.002，而不是 -2000 微应变）",
    "one strain is no history: give the start and at least one strain to go to":
        "一个应变构不成加载历史：请给出起点和至少一个要到达的应变",
    "value %1 is empty": "第 %1 个值为空",
    "value %1, \"%2\", is not a number (strains are written with a decimal point, e.g. -0.002)":
        "第 %1 个值 \"%2\" 不是数字（应变用小数点书写，例如 -0.002）",
    "\"%1\" is not a number greater than 0": "\"%1\" 不是大于 0 的数",
    "the paths would have more than %1 points; choose a larger step or a shorter history":
        "路径将超过 %1 个点；请选用更大的步长或更短的加载历史",
    # Measured curves and the fit of the law to them (the reader, the fit, tarvolin-cli fit).
    "strain": "应变",
    "stress": "应力",
    "the strain and the stress must be two different columns": "应变和应力必须是两个不同的列",
    "the heading names more than one %1 column (%2 and %3); choose the columns":
        "表头中有不止一列名为%1（第 %2 列和第 %3 列）；请指定列",
    "%1 columns, and no heading names the strain and the stress column; choose the columns":
        "共 %1 列，且没有表头指明应变列和应力列；请指定列",
    "The heading (line %1) names no strain or stress column: the first column is read as strain, "
    "the second as stress.":
        "表头（第 %1 行）未指明应变列或应力列：第一列按应变读取，第二列按应力读取。",
    "the data has %1 columns; there is no column %2": "数据只有 %1 列，没有第 %2 列",
    "the heading gives the strain in \"%1\"; Tarvolin reads m/m, %, ‰ and µε: choose the unit":
        "表头给出的应变单位为 \"%1\"；Tarvolin 可读取 m/m、%、‰ 和 µε：请指定单位",
    "\"%1\" in the strain column's heading is no unit Tarvolin knows: strains are read in m/m.":
        "应变列表头中的 \"%1\" 不是 Tarvolin 认识的单位：应变按 m/m 读取。",
    "the heading gives the stress in \"%1\"; Tarvolin reads MPa (N/mm²), kPa and Pa: choose the unit":
        "表头给出的应力单位为 \"%1\"；Tarvolin 可读取 MPa (N/mm²)、kPa 和 Pa：请指定单位",
    "\"%1\" in the stress column's heading is no unit Tarvolin knows: stresses are read in MPa.":
        "应力列表头中的 \"%1\" 不是 Tarvolin 认识的单位：应力按 MPa 读取。",
    "The peak lies at a strain of %1, read in m/m as no heading or option gave a unit. If the "
    "strains are in %, ‰ or µε, choose that unit.":
        "峰值点的应变为 %1（表头和选项均未给出单位，按 m/m 读取）。如果应变的单位是 %、‰ 或 µε，请指定该单位。",
    "The peak stress is %1, read in MPa as no heading or option gave a unit. If the stresses are "
    "in kPa or Pa, choose that unit.":
        "峰值应力为 %1（表头和选项均未给出单位，按 MPa 读取）。如果应力的单位是 kPa 或 Pa，请指定该单位。",
    "%1, line %2: %3": "%1，第 %2 行：%3",
    "the file is larger than 100 MiB, the limit for a measured curve":
        "文件大于 100 MiB，超出实测曲线的上限",
    "choose both the strain and the stress column": "请同时指定应变列和应力列",
    "the file is empty": "文件为空",
    "no line of data: no line holds two numbers that the next lines follow":
        "没有数据行：没有一行包含两个数字并有后续数据行接续",
    "more than 1,000,000 points, the limit for a measured curve":
        "超过 1,000,000 个点，即实测曲线的上限",
    "not a line of data: no column %1 (%2) in \"%3\"": "不是数据行：\"%3\" 中没有第 %1 列（%2）",
    "column %1 (%2) is empty": "第 %1 列（%2）为空",
    "column %1 (%2) holds \"%3\", which is not a number (NaN)":
        "第 %1 列（%2）为 \"%3\"，不是数字（NaN）",
    "column %1 (%2) holds \"%3\", an infinite value or one beyond the range of numbers":
        "第 %1 列（%2）为 \"%3\"，是无穷大或超出数值范围的值",
    "not a line of data: \"%1\" in column %2 (%3) is not a number":
        "不是数据行：第 %2 列（%3）中的 \"%1\" 不是数字",
    "a value is too large": "数值过大",
    "no point lies at a positive strain": "没有应变为正的点",
    "no stress is above zero": "没有大于零的应力",
    "no peak: the stress rises up to the last point, so the curve has no descending branch":
        "没有峰值：应力一直上升到最后一点，曲线没有下降段",
    "%1 points up to the peak (this line); a branch needs at least 5 points":
        "峰值点（本行）及之前只有 %1 个点；每段至少需要 5 个点",
    "%1 points after the peak (up to this line); a branch needs at least 5 points":
        "峰值之后（到本行为止）只有 %1 个点；每段至少需要 5 个点",
    "this is a folder, not a file": "这是文件夹，不是文件",
    "cannot be opened (%1)": "无法打开（%1）",
    "cannot be read": "无法读取",
    "%1 must be a positive number to be held fixed.": "%1 必须为正数才能固定。",
    "The law could not be fitted to the points.": "无法将本构关系拟合到这些点。",
    "fit the code's law to a measured stress-strain curve": "将规范的本构关系拟合到实测应力-应变曲线",
    "Reads a measured compression curve from DATA (- for standard input) and, with\n"
    "--tension-data, a tension curve, fits the law of GB 50010-2010 Appendix C to each by\n"
    "least squares and prints the fitted values beside the code's values for the nearest\n"
    "grade, with the RMS error, R2 and the points used and left out. Compression gives\n"
    "fc,r (the peak of the fitted curve), the peak strain, ac and Ec (the law's initial\n"
    "slope); tension ft,r, the peak strain and at.\n"
    "\n"
    "Files as testing machines and spreadsheets write them: values separated by commas,\n"
    "semicolons, tabs or blanks, a decimal point or comma, heading and comment lines\n"
    "before the data. A heading naming the columns (strain, stress; any case, in Chinese\n"
    "or as symbols) decides which is which, a unit in brackets the unit; otherwise strain\n"
    "comes first, in m/m, and stress second, in MPa. Compression may be negative.\n"
    "Points of unloading loops are left out: the envelope is fitted. At most 1,000,000\n"
    "points and 100 MiB a file. --columns also takes two column numbers (strain first,\n"
    "counted from 1); it and the units apply to both files.\n"
    "\n"
    "With -o the fitted concrete is written into a library file (-o -: standard output,\n"
    "and the fitted values go to standard error); without --tension-data its tension\n"
    "comes from the code for the nearest grade. --json prints the fitted values under the\n"
    "library's keys (name, Ec, fck, eck, ac, ftk, etk, at) with rms, r2 and points for\n"
    "each branch fitted.\n":
        "从 DATA（- 表示标准输入）读取实测受压曲线，给出 --tension-data 时再读取受拉曲线，\n"
        "用最小二乘法将 GB 50010-2010 附录 C 的本构关系分别拟合到曲线上，并把拟合值与\n"
        "最接近等级的规范值并列输出，同时给出均方根误差、R2 以及参与拟合和剔除的点数。\n"
        "受压给出 fc,r（拟合曲线的峰值）、峰值应变、ac 和 Ec（本构关系的初始斜率）；\n"
        "受拉给出 ft,r、峰值应变和 at。\n"
        "\n"
        "文件可以是试验机和电子表格写出的格式：数值之间用逗号、分号、制表符或空格分隔，\n"
        "小数点或小数逗号均可，数据前可有表头和注释行。表头中的列名（strain、stress，\n"
        "不区分大小写，也可用中文或符号）决定各列的含义，括号中的单位决定单位；否则第一列\n"
        "为应变（m/m），第二列为应力（MPa）。受压可以记为负值。卸载滞回环上的点被剔除：\n"
        "拟合的是包络线。每个文件最多 1,000,000 个点、100 MiB。--columns 也可以给出两个\n"
        "列号（应变列在前，从 1 开始）；该选项和单位选项对两个文件都有效。\n"
        "\n"
        "给出 -o 时把拟合的混凝土写入材料库文件（-o -：写到标准输出，拟合值改写到标准错误）；\n"
        "没有 --tension-data 时，其受拉参数取自规范中最接近的等级。--json 以材料库的键名\n"
        "（name、Ec、fck、eck、ac、ftk、etk、at）输出拟合值，并给出每条拟合曲线的 rms、r2\n"
        "和 points。\n",
    "a measured tension curve to fit as well": "同时拟合的实测受拉曲线",
    "strain,stress or stress,strain, or two column numbers (strain first)":
        "strain,stress 或 stress,strain，或两个列号（应变列在前）",
    "the strains' unit: m/m, %, permille or microstrain": "应变的单位：m/m、%、permille 或 microstrain",
    "the stresses' unit: MPa (N/mm2), kPa or Pa": "应力的单位：MPa (N/mm2)、kPa 或 Pa",
    "hold fc,r at X (N/mm2)": "将 fc,r 固定为 X (N/mm2)",
    "hold ft,r at X (N/mm2); with --tension-data": "将 ft,r 固定为 X (N/mm2)；需同时给出 --tension-data",
    "hold Ec at EC (N/mm2)": "将 Ec 固定为 EC (N/mm2)",
    "the concrete's name (default: DATA's file name)": "混凝土名称（默认：DATA 的文件名）",
    "write a library holding the fitted concrete; - for standard output":
        "写出包含拟合混凝土的材料库；- 表示标准输出",
    "--%1: %2": "--%1：%2",
    "--%1 must be greater than zero (not %2).": "--%1 必须大于零（而不是 %2）。",
    "--columns must be strain,stress, stress,strain or two different column numbers such as 3,5 "
    "(not \"%1\").":
        "--columns 必须为 strain,stress、stress,strain 或两个不同的列号（如 3,5）（而不是 \"%1\"）。",
    "--strain-unit must be m/m, %, permille or microstrain (not \"%1\").":
        "--strain-unit 必须为 m/m、%、permille 或 microstrain（而不是 \"%1\"）。",
    "--stress-unit must be MPa, kPa or Pa (not \"%1\").":
        "--stress-unit 必须为 MPa、kPa 或 Pa（而不是 \"%1\"）。",
    "more than 100 MiB, the limit for a measured curve": "超过 100 MiB，即实测曲线的上限",
    "standard input": "标准输入",
    "%1 (from the heading)": "%1（取自表头）",
    "%1 (as given)": "%1（按选项）",
    "%1 (no unit given)": "%1（未给出单位）",
    "%1: strain in column %2, %3; stress in column %4, %5; data from line %6":
        "%1：应变在第 %2 列，%3；应力在第 %4 列，%5；数据从第 %6 行开始",
    "; written negative": "；以负值记录",
    "%1 (held)": "%1（固定）",
    "C%1 (code)": "C%1（规范）",
    "Compression data": "受压数据",
    "Tension data": "受拉数据",
    "fitted": "拟合值",
    "RMS error (N/mm2)": "均方根误差 (N/mm2)",
    "R²": "R²",
    "Highest measured stress (N/mm2)": "实测最大应力 (N/mm2)",
    "Points used": "参与拟合的点数",
    "Left out: unloading loops": "剔除：卸载滞回环",
    "Left out: negative strain": "剔除：负应变",
    "tarvolin-cli: note: %1\n": "tarvolin-cli：注意：%1\n",
    "DATA is missing: name the file of the measured compression curve.":
        "缺少 DATA：请给出实测受压曲线的文件。",
    "One DATA file only (\"%1\" too); a tension curve goes after --tension-data.":
        "只能给出一个 DATA 文件（多出 \"%1\"）；受拉曲线请放在 --tension-data 之后。",
    "--fix-ft holds the fitted ft,r: it needs --tension-data.":
        "--fix-ft 固定拟合的 ft,r：需要 --tension-data。",
    "Standard input can hold one curve only.": "标准输入只能提供一条曲线。",
    "--name: %1": "--name：%1",
    "%1: the fitted concrete \"%2\", field %3: %4 Nothing was written.":
        "%1：拟合的混凝土 \"%2\"，字段 %3：%4 未写入任何内容。",
    "the fit stopped at its limit of evaluations before it converged; check the values against "
    "the points.":
        "拟合在达到函数求值次数上限时停止，尚未收敛；请对照实测点检查结果。",
    "no tension data: the concrete's ft,r %1, εt,r %2 x 10-6 and at %3 are the code's for C%4, "
    "the grade nearest the fitted fc,r.":
        "没有受拉数据：该混凝土的 ft,r %1、εt,r %2 x 10-6 和 at %3 取自规范中与拟合的 fc,r "
        "最接近的等级 C%4。",
    # Fitting to test data in the window.
    "&Fit to Test Data…": "拟合试验数据(&F)…",
    "test: %1": "试验：%1",
    "Remove Test Data": "移除试验数据",
    "File:": "文件：",
    "Browse…": "浏览…",
    "Clear": "清除",
    "auto": "自动",
    "Strain column": "应变列",
    "Stress column": "应力列",
    "Strain unit": "应变单位",
    "Stress unit": "应力单位",
    "Open Measured Curve": "打开实测曲线",
    "Measured curves (*.csv *.txt *.dat *.tsv *.prn);;All files (*)":
        "实测曲线 (*.csv *.txt *.dat *.tsv *.prn);;所有文件 (*)",
    "%1: not enough memory to read the file.": "%1：内存不足，无法读取该文件。",
    "from the heading": "取自表头",
    "as chosen": "按所选",
    "not given": "未注明",
    "Data from line %1 (lines skipped before it: %2).": "数据从第 %1 行开始（其前跳过的行数：%2）。",
    "Columns %1, strain unit %2, stress unit %3.": "列：%1；应变单位：%2；应力单位：%3。",
    "in the usual order": "按默认顺序（先应变后应力）",
    "%1 points read: %2 fitted, %3 of unloading loops and %4 at negative strain left out.":
        "读入 %1 个点：拟合 %2 个，剔除卸载滞回环上的 %3 个和负应变的 %4 个。",
    "Written negative: read as positive.": "文件中为负值：按正值读取。",
    "Fit to Test Data": "拟合试验数据",
    "Compression curve": "受压曲线",
    "Tension curve (optional)": "受拉曲线（可选）",
    "Hold values instead of fitting them": "固定以下数值（不参与拟合）",
    "fc,r (N/mm2)": "fc,r (N/mm2)",
    "Ec (N/mm2)": "Ec (N/mm2)",
    "ft,r (N/mm2)": "ft,r (N/mm2)",
    "Held %1: %2": "固定的 %1：%2",
    "Held %1 must be greater than zero.": "固定的 %1 必须大于零。",
    "Choose the file of the measured compression curve.": "请选择实测受压曲线文件。",
    "The fit of %1 stopped at its limit of evaluations before it converged; check the values against the points.":
        "%1 的拟合在达到函数求值次数上限时停止，尚未收敛；请对照实测点检查结果。",
    "No tension data: ft,r, εt,r and αt will be the code's for C%1, the grade nearest the fitted fc,r.":
        "没有受拉数据：ft,r、εt,r 和 αt 将取规范中与拟合的 fc,r 最接近的等级 C%1 的值。",
    "Fitted": "拟合值",
    "Code": "规范值",
    "hold Ec at the code's Ec for grade G (fcu,k, N/mm2)": "将 Ec 固定为规范中等级 G（fcu,k，N/mm2）的 Ec",
    "--fix-modulus and --modulus-from-grade both hold Ec: give one of them.":
        "--fix-modulus 和 --modulus-from-grade 都固定 Ec：只能给出其中一个。",
    # Tools ▸ Repeated Load… and the export dialog's tension damage.
    "&Tools": "工具(&T)",
    "&Repeated Load…": "反复加载(&R)…",
    "Repeated Load": "反复加载",
    "Strain history": "应变历史",
    "Reversal strains in m/m, separated by commas, with a decimal point; compression "
    "negative, tension positive; the first value is the start.":
        "各反向点的应变（m/m），以逗号分隔，用小数点书写；压为负、拉为正；第一个值为起点。",
    "Step at most": "最大步长",
    "Concrete": "混凝土",
    "Steel": "钢筋",
    "Materials": "材料",
    "Each path is drawn over its envelope, drawn faint. Concrete follows C.2.5 in "
    "compression; a crack opens at the strain left at zero stress and unloads along the "
    "secant of C.2.6. Steel follows C.1.3.":
        "每条路径画在其骨架曲线（浅色）之上。混凝土受压按 C.2.5；裂缝在应力为零时的残余应变处"
        "张开，并沿 C.2.6 的割线卸载。钢筋按 C.1.3。",
    "&Draw": "绘制(&D)",
    "&Save CSV…": "保存 CSV(&S)…",
    "Strain history: %1.": "应变历史：%1。",
    "Step: %1.": "步长：%1。",
    "Step: the chart would have more than %1 points; choose a larger step or a shorter "
    "history. Save CSV… writes up to %2 points.":
        "步长：图中的点将超过 %1 个；请加大步长或缩短应变历史。保存 CSV… 最多可写出 %2 个点。",
    "%1 (envelope)": "%1（骨架曲线）",
    "Check a concrete or a steel to draw its path.": "勾选混凝土或钢筋以绘制其路径。",
    "Save CSV": "保存 CSV",
    "CSV file (*.csv)": "CSV 文件 (*.csv)",
    "Create a concrete or a steel first: their paths under repeated load are drawn here.":
        "请先创建混凝土或钢筋：此处绘制它们在反复加载下的路径。",
    "The default is now the code's unloading rule: Abaqus unloads along the code's line and "
    "derives its plastic strain. Beyond about 2.9·εc the damage is held at its running maximum.":
        "默认规则现为规范卸载：Abaqus 沿规范的卸载直线卸载，并由此得出规范的塑性应变。约 "
        "2.9·εc 以后，损伤保持为此前达到的最大值。",
    "as Damage (energy with code unloading)": "同“损伤”（规范卸载时为能量）",
    "Tension damage": "受拉损伤",
    "This build of Tarvolin cannot write SVG pictures: choose PNG, PDF or BMP.":
        "此版本的 Tarvolin 无法写出 SVG 图片：请选择 PNG、PDF 或 BMP。",
    # The command line's pictures, grades that overflow and the steel window's Save Data.
    "Prints what the definition fields show once grade G is picked in the window: the\n"
    "strength basis, the name and Ec, fc,r, ft,r, the peak strains (10-6) and the shape\n"
    "parameters, with the decimal separator of the locale. With --json: the same\n"
    "unrounded, as JSON numbers (strains in m/m), with \"basis\" (and \"cv\").\n"
    "With --steel GRADE instead: what the steel window's fields show for a reinforcing\n"
    "steel grade (HPB300, HRB335, HRB400, HRBF400, RRB400, HRB500, HRBF500) on the basis:\n"
    "the name, Es, fy, fst, the yield strain, euy (an assumption: the code gives none) and\n"
    "eu; with --json the library's keys name, Es, fy, fst, euy, eu, basis (and cv).\n":
        "输出在窗口中选择强度等级 G 后定义栏显示的内容：强度取值、名称和 Ec、fc,r、ft,r、\n"
        "峰值应变 (10-6) 及下降段参数，小数点按区域设置。加 --json 时输出未经舍入的同样数值，\n"
        "为 JSON 数字（应变以 m/m 计），并含 \"basis\"（及 \"cv\"）。\n"
        "改用 --steel GRADE 时：输出钢筋窗口中该钢筋牌号（HPB300、HRB335、HRB400、HRBF400、\n"
        "RRB400、HRB500、HRBF500）按强度取值显示的内容：名称、Es、fy、fst、屈服应变、euy（假定值：\n"
        "规范未给出）和 eu；加 --json 时为材料库的键 name、Es、fy、fst、euy、eu、basis（及 cv）。\n",
    "--grade: %1 fcu,k is too large!": "--grade：%1：fcu,k 过大！",
    "%1 fcu,k is too large!": "%1：fcu,k 过大！",
    "Cannot start \"%1\": %2.": "无法启动 \"%1\"：%2。",
    "--%1 must be a whole number of pixels from %2 to %3 (not \"%4\").":
        "--%1 必须为 %2 至 %3 的整数像素（而不是 \"%4\"）。",
    "--scale must be 1, 2 or 3 (not \"%1\").": "--scale 必须为 1、2 或 3（而不是 \"%1\"）。",
    "--scale is for PNG pictures only (--format png).": "--scale 仅用于 PNG 图片（--format png）。",
    "--%1 %2 at --scale %3 makes %4 pixels; a picture has at most %5 a side.":
        "--%1 %2 在 --scale %3 下为 %4 像素；图片每边最多 %5 像素。",
    "pictures writes its files into a folder: -o - is for text outputs.":
        "pictures 将文件写入文件夹：-o - 仅用于文本输出。",
    "--%1: \"%2\" is not a number above 0.": "--%1：\"%2\" 不是大于 0 的数。",
    "No such file or directory": "没有该文件或目录",
    "Permission denied": "权限不足",
    "Too many open files": "打开的文件过多",
    "No space left on device": "设备上没有剩余空间",
    "Unknown error": "未知错误",
    "Filename refers to a directory": "该文件名指向一个文件夹",
    "file to open is a directory": "要打开的是一个文件夹",
    "Existing file %1 is not writable": "已有文件 %1 不可写",
    "Writing canceled by application": "写入被程序取消",
    "unterminated object": "对象未结束",
    "missing name separator": "缺少名称分隔符",
    "unterminated array": "数组未结束",
    "missing value separator": "缺少值分隔符",
    "illegal value": "非法值",
    "invalid termination by number": "以数字非法结束",
    "illegal number": "非法数字",
    "invalid escape sequence": "无效的转义序列",
    "invalid UTF8 string": "无效的 UTF-8 字符串",
    "unterminated string": "字符串未结束",
    "object is missing after a comma": "逗号后缺少对象",
    "too deeply nested document": "文档嵌套过深",
    "too large document": "文档过大",
    "garbage at the end of the document": "文档末尾有多余内容",
    "Cannot write the steels: %1": "无法写出钢筋：%1",
    "Steel \"%1\" cannot be written: %2": "钢筋 \"%1\" 无法写出：%2",
    "--steel-plastic: \"%1\" is neither true nor nominal.":
        "--steel-plastic：\"%1\" 既不是 true 也不是 nominal。",
    "--steel-poisson: \"%1\" is not a number from 0 to below 0.5.":
        "--steel-poisson：\"%1\" 不是 0 至小于 0.5 之间的数。",
    "its values do not make a curve (Es, fy, fst, euy, eu positive, fst >= fy, euy >= fy / Es, "
    "eu > euy)":
        "其数值构不成曲线（Es、fy、fst、euy、eu 须为正数，fst >= fy，euy >= fy / Es，eu > euy）",
    "its curve needs more than %1 rows to stay within 0.1 %":
        "其曲线需要多于 %1 行才能保持在 0.1 % 以内",
    "its plastic strain never rises above zero up to eu: the hardening branch is too steep for Es":
        "直到 eu 其塑性应变都不大于零：硬化段相对于 Es 过陡",
    "a stress or plastic strain is not a positive finite number": "某个应力或塑性应变不是正的有限数",
    "its plastic strain would fall as the strain grows (at strain %1): the hardening branch is "
    "too steep for Es":
        "其塑性应变会随应变增大而减小（应变 %1 处）：硬化段相对于 Es 过陡",
    "its stress would fall as the plastic strain grows (at strain %1)":
        "其应力会随塑性应变增大而减小（应变 %1 处）",
    "its table leaves the curve by %1 %, more than 0.1 %": "其表格偏离曲线 %1 %，超过 0.1 %",
    "--steel-material: \"%1\" is neither hysteretic nor steel02.":
        "--steel-material：\"%1\" 既不是 hysteretic 也不是 steel02。",
    "the steels' tags from %1 on do not fit OpenSees": "钢筋从 %1 起的编号超出 OpenSees 的范围",
    "No steels have been created: nothing to save.": "尚未创建任何钢筋：没有可保存的内容。",
    "Save Steel Data": "保存钢筋数据",
}

# Where one English text needs another word in one place.
ZH_IN_CONTEXT = {
}


def main():
    text = TS.read_text(encoding="utf-8")
    root = ET.fromstring(text)
    missing = []
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            wanted = ZH_IN_CONTEXT.get((name, source), ZH.get(source))
            if wanted is None:
                if translation.get("type") != "vanished" and translation.get("type") != "obsolete":
                    missing.append((name, source))
                continue
            # A placeholder lost in translation would drop a name or a number from the message.
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", wanted)):
                sys.exit(f"placeholders differ: {source!r} -> {wanted!r}")
            if ("&" in source) != ("&" in wanted):
                sys.exit(f"mnemonic differs: {source!r} -> {wanted!r}")
            translation.text = wanted
            translation.attrib.pop("type", None)
    ET.indent(root, space="    ")
    body = ET.tostring(root, encoding="unicode")
    TS.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                  encoding="utf-8")
    for name, source in missing:
        print(f"untranslated: {name}: {source!r}", file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
