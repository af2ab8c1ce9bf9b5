#pragma once
// Fixed texts and values of the wizard, in one place.
#include "framework/Charset.h"

#include <windows.h>

namespace setup {

// Window title of the main window and caption of the quit question.
inline constexpr char kWizardTitle[] = "Orvex V8.5 安装向导";
// Asked when a page is cancelled.
inline constexpr char kQuitQuestion[] = "真要退出安装程序吗?";
// Asked at start when the product key already holds "installPath".
inline constexpr char kReinstallQuestion[] = "已经安装了本软件!\n是否重新安装?";
inline constexpr char kReinstallCaption[] = "警告";
// Target folder offered at start.
inline constexpr char kDefaultTargetFolder[] = "C:\\Program Files\\Velmark\\Orvex\\";
// Status line of the install page while a file is copied: the target path.
inline constexpr char kCopyStatusFormat[] = "%s ...";
// The progress bar's range is the number of files plus this margin, so it never quite fills up
// before the configuration steps, which send no progress.
inline constexpr int kProgressMargin = 15;
// The install page repaints its status line and bar at most this often while files stream past.
inline constexpr UINT kProgressRepaintMs = 50;
inline constexpr UINT_PTR kProgressTimerId = 1;
// Background of the main window while it shows no picture.
inline constexpr COLORREF kBackgroundColour = RGB(0, 128, 128);

// The licence agreement shown on the agreement page (lines end with CR LF for the edit box).
inline constexpr char kLicenceText[] =
    "最终用户软件许可协议\r\n"
    "\r\n"
    "重要提示：请仔细阅读本协议。本协议是您（个人或单一实体）与 Velmark 公司之间关于“土方计算地形分析软件 "
    "Orvex V8.5”（以下简称“本软件”）的法律协议。本软件包括计算机程序、相关的图框、模板、数据文件、"
    "联机文档和印刷材料。一旦安装、复制或以其他方式使用本软件，即表示您同意接受本协议各项条款的约束。"
    "如果您不同意本协议的条款，请不要安装或使用本软件。\r\n"
    "\r\n"
    "一、许可的授予\r\n"
    "Velmark 公司授予您以下非独占的权利：您可以在一台计算机上安装和使用本软件的一份副本；"
    "您可以为备份和存档的目的制作本软件的一份副本。\r\n"
    "\r\n"
    "二、限制\r\n"
    "1. 您不得对本软件进行反向工程、反编译或反汇编，法律明确允许的情况除外。\r\n"
    "2. 您不得出租、租赁或出借本软件，也不得将本软件用于商业性的分时或服务机构业务。\r\n"
    "3. 本软件作为单一产品许可，您不得将其组成部分分开在多台计算机上使用。\r\n"
    "4. 未经 Velmark 公司书面许可，您不得复制、修改或传播本软件的全部或任何部分。\r\n"
    "\r\n"
    "三、版权\r\n"
    "本软件的一切所有权和知识产权，包括但不限于其中所含的图像、文字、程序和数据，均归 Velmark "
    "公司所有，受著作权法和国际条约的保护。您必须像对待其他受版权保护的材料一样对待本软件。\r\n"
    "\r\n"
    "四、终止\r\n"
    "如果您未遵守本协议的条款，Velmark 公司可以终止本协议，而不影响其其他权利。"
    "此时您必须销毁本软件的所有副本及其全部组成部分。\r\n"
    "\r\n"
    "五、有限担保\r\n"
    "Velmark 公司担保，自您收到本软件之日起九十天内，本软件的运行基本符合随附的书面材料。"
    "在适用法律允许的最大范围内，Velmark 公司不作其他任何明示或暗示的担保，包括但不限于"
    "对适销性和特定用途适用性的默示担保。本软件的计算结果应由使用者依据工程规范自行核对。\r\n"
    "\r\n"
    "六、责任限制\r\n"
    "在适用法律允许的最大范围内，Velmark 公司对于因使用或不能使用本软件所引起的任何特殊的、"
    "附带的、间接的或后果性的损害，包括但不限于利润损失、业务中断、数据丢失或其他经济损失，"
    "均不承担责任，即使 Velmark 公司已被告知发生此类损害的可能性。在任何情况下，Velmark "
    "公司的全部责任以您为本软件实际支付的金额为限。\r\n"
    "\r\n"
    "七、其他\r\n"
    "本协议受中华人民共和国法律管辖。如本协议的任何条款被认定为无效，其余条款仍然有效。"
    "如您对本协议有任何疑问，请与 Velmark 公司联系。\r\n"
    "\r\n"
    "Velmark 公司 版权所有";

}  // namespace setup
