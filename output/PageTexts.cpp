#include "PageTexts.h"

namespace {

// These are pasted verbatim: every character, quotes and spaces included, is page text.
constexpr char kStyleDefault[] =
    R"html(<HTML><HEAD><STYLE>TABLE.tb1{background-color:pink;}.td2{background-color:lightpink;}TD.td1{background-color:lightpink;}.td2{background-color:whitesmoke;}.b1{background-color:transparent;border-width:0px;font-weight:bold;color:hotpink;cursor:hand;}SELECT{background-color:lightyellow;}</STYLE>)html";

constexpr char kScript[] =
    R"html(<SCRIPT>var cnt=0;var cID;se = new Array (%s);function limg(){if (cnt < %i){inm.src =se[cnt];cnt++;cID = window.setTimeout(limg, %s);}if (cnt == %i){cnt = 0;}}function Cancel(){window.clearInterval(cID);}function zooming(IorO){if (IorO == "in"){nZoom = parseInt(inm.style.zoom)+10+'%s';}else{nZoom = parseInt(inm.style.zoom)-10+'%s';}inm.style.zoom =nZoom;}function pLast(){inm.src =se[%i];Cancel(); }function pTop(){inm.src =se[0];Cancel();}function pBF(bf){if (bf == "Back"){if (cnt > 1){inm.src =se[cnt-2];cnt--;}}else{if (cnt < %i){inm.src =se[cnt];cnt++;}}Cancel();}function changeZoom(oPerc){nSize = oPerc.options[oPerc.selectedIndex].innerText;if (nSize != "Size"){inm.style.zoom =nSize;}}</SCRIPT></HEAD>)html";

// Start cancels the running timer before it starts one, so that pressing it twice
// never leaves a second timer chain that Stop cannot reach.
constexpr char kBody[] =
    R"html(<BODY onload="limg()"><CENTER><TABLE class="tb1" border=3 align="center"><TD class="td1"><input type=image style="zoom: 100%;cursor:default" id=inm></TD></TABLE><P><TABLE class="tb2" border=1><TD class="td2"><input type=button value="Top" class="b1" onclick="pTop();"><input type=button value="Start" class="b1" onclick="Cancel();limg();"><input type=button value="Back" class="b1" onclick="pBF('Back');"><input type=button value="Forward" class="b1" onclick="pBF('Forward');"><input type=button value="Stop" class="b1" onclick="Cancel();"><input type=button value="Last" class="b1" onclick="pLast();"><input type=button value="Zoom in" class="b1" onclick="zooming('in');"><input type=button value="Zoom out" class="b1" onclick="zooming('out');"><SELECT id="oPerc" onchange="changeZoom(oPerc);"><OPTION selected>Size</OPTION><OPTION>10%<OPTION>25%<OPTION>50%<OPTION>75%<OPTION>100%<OPTION>150%<OPTION>200%<OPTION>300%<OPTION>400%<OPTION>500%<OPTION>600%<OPTION>700%<OPTION>800%<OPTION>900%<OPTION>1000%</SELECT></TD></TABLE>)html";

constexpr char kTail[] = R"html(<P></CENTER></BODY></HTML>)html";

// The one text with a line break: the line feed after </STYLE> is its last character.
constexpr char kStyleCustom[] =
    R"html(<HTML><HEAD><STYLE>TABLE.tb1{background-color:%s;border-left:%s solid %s;border-right:%s solid %s;border-bottom:%s solid %s;border-top:%s solid %s;}.tb2 {background-color:transparent;}TD.td1 {background-color:%s;border-left:%s ridge %s;border-right:%s groove %s;border-bottom:%s groove %s;border-top:%s ridge %s;}.td2 {background-color:whitesmoke;}.b1 {background-color:transparent;border-width:0px;font-weight:bold;color:%s;cursor:hand;}SELECT {background-color:%s;}</STYLE>)html"
    "\n";

} // namespace

QByteArray LoadPageText(int id) {
    switch (id) {
    case IDS_HTML_STYLE_DEFAULT:
        return QByteArray::fromRawData(kStyleDefault, sizeof kStyleDefault - 1);
    case IDS_HTML_SCRIPT:
        return QByteArray::fromRawData(kScript, sizeof kScript - 1);
    case IDS_HTML_BODY:
        return QByteArray::fromRawData(kBody, sizeof kBody - 1);
    case IDS_HTML_TAIL:
        return QByteArray::fromRawData(kTail, sizeof kTail - 1);
    case IDS_HTML_STYLE_CUSTOM:
        return QByteArray::fromRawData(kStyleCustom, sizeof kStyleCustom - 1);
    default:
        return {};
    }
}
