#pragma once

// The page texts and filled-in blocks, written out in full so that pages are
// checked against known bytes rather than against the code that builds them.

// Style block of the automatic look.
inline constexpr char kExpectedStyleDefault[] =
    R"html(<HTML><HEAD><STYLE>TABLE.tb1{background-color:pink;}.td2{background-color:lightpink;}TD.td1{background-color:lightpink;}.td2{background-color:whitesmoke;}.b1{background-color:transparent;border-width:0px;font-weight:bold;color:hotpink;cursor:hand;}SELECT{background-color:lightyellow;}</STYLE>)html";

// Script block format: array, N, delay, N, "%", "%", N-1, N.
inline constexpr char kExpectedScript[] =
    R"html(<SCRIPT>var cnt=0;var cID;se = new Array (%s);function limg(){if (cnt < %i){inm.src =se[cnt];cnt++;cID = window.setTimeout(limg, %s);}if (cnt == %i){cnt = 0;}}function Cancel(){window.clearInterval(cID);}function zooming(IorO){if (IorO == "in"){nZoom = parseInt(inm.style.zoom)+10+'%s';}else{nZoom = parseInt(inm.style.zoom)-10+'%s';}inm.style.zoom =nZoom;}function pLast(){inm.src =se[%i];Cancel(); }function pTop(){inm.src =se[0];Cancel();}function pBF(bf){if (bf == "Back"){if (cnt > 1){inm.src =se[cnt-2];cnt--;}}else{if (cnt < %i){inm.src =se[cnt];cnt++;}}Cancel();}function changeZoom(oPerc){nSize = oPerc.options[oPerc.selectedIndex].innerText;if (nSize != "Size"){inm.style.zoom =nSize;}}</SCRIPT></HEAD>)html";

// Body; Start cancels the running timer first.
inline constexpr char kExpectedBody[] =
    R"html(<BODY onload="limg()"><CENTER><TABLE class="tb1" border=3 align="center"><TD class="td1"><input type=image style="zoom: 100%;cursor:default" id=inm></TD></TABLE><P><TABLE class="tb2" border=1><TD class="td2"><input type=button value="Top" class="b1" onclick="pTop();"><input type=button value="Start" class="b1" onclick="Cancel();limg();"><input type=button value="Back" class="b1" onclick="pBF('Back');"><input type=button value="Forward" class="b1" onclick="pBF('Forward');"><input type=button value="Stop" class="b1" onclick="Cancel();"><input type=button value="Last" class="b1" onclick="pLast();"><input type=button value="Zoom in" class="b1" onclick="zooming('in');"><input type=button value="Zoom out" class="b1" onclick="zooming('out');"><SELECT id="oPerc" onchange="changeZoom(oPerc);"><OPTION selected>Size</OPTION><OPTION>10%<OPTION>25%<OPTION>50%<OPTION>75%<OPTION>100%<OPTION>150%<OPTION>200%<OPTION>300%<OPTION>400%<OPTION>500%<OPTION>600%<OPTION>700%<OPTION>800%<OPTION>900%<OPTION>1000%</SELECT></TD></TABLE>)html";

// Tail.
inline constexpr char kExpectedTail[] = R"html(<P></CENTER></BODY></HTML>)html";

// Style block format of the custom look, 20 placeholders, ends in a line feed.
inline constexpr char kExpectedStyleCustom[] =
    R"html(<HTML><HEAD><STYLE>TABLE.tb1{background-color:%s;border-left:%s solid %s;border-right:%s solid %s;border-bottom:%s solid %s;border-top:%s solid %s;}.tb2 {background-color:transparent;}TD.td1 {background-color:%s;border-left:%s ridge %s;border-right:%s groove %s;border-bottom:%s groove %s;border-top:%s ridge %s;}.td2 {background-color:whitesmoke;}.b1 {background-color:transparent;border-width:0px;font-weight:bold;color:%s;cursor:hand;}SELECT {background-color:%s;}</STYLE>)html"
    "\n";

// The script block filled for "myimage.gif", "../../myimage.gif" and delay 2000.
inline constexpr char kWorkedExampleScript[] =
    R"html(<SCRIPT>var cnt=0;var cID;se = new Array ('myimage.gif','../../myimage.gif');function limg(){if (cnt < 2){inm.src =se[cnt];cnt++;cID = window.setTimeout(limg, 2000);}if (cnt == 2){cnt = 0;}}function Cancel(){window.clearInterval(cID);}function zooming(IorO){if (IorO == "in"){nZoom = parseInt(inm.style.zoom)+10+'%';}else{nZoom = parseInt(inm.style.zoom)-10+'%';}inm.style.zoom =nZoom;}function pLast(){inm.src =se[1];Cancel(); }function pTop(){inm.src =se[0];Cancel();}function pBF(bf){if (bf == "Back"){if (cnt > 1){inm.src =se[cnt-2];cnt--;}}else{if (cnt < 2){inm.src =se[cnt];cnt++;}}Cancel();}function changeZoom(oPerc){nSize = oPerc.options[oPerc.selectedIndex].innerText;if (nSize != "Size"){inm.style.zoom =nSize;}}</SCRIPT></HEAD>)html";

// Twenty distinct values for the custom style, in placeholder order.
inline const char* const kCustomValues[] = {
    "lavender", "0.1cm",  "navy",  "0.2cm",  "teal",    "0.3cm", "olive",
    "0.4cm",    "maroon", "ivory", "0.5cm",  "purple",  "0.6cm", "silver",
    "0.7cm",    "orchid", "0.8cm", "sienna", "crimson", "khaki",
};

// kExpectedStyleCustom filled with kCustomValues.
inline constexpr char kFilledCustomStyle[] =
    R"html(<HTML><HEAD><STYLE>TABLE.tb1{background-color:lavender;border-left:0.1cm solid navy;border-right:0.2cm solid teal;border-bottom:0.3cm solid olive;border-top:0.4cm solid maroon;}.tb2 {background-color:transparent;}TD.td1 {background-color:ivory;border-left:0.5cm ridge purple;border-right:0.6cm groove silver;border-bottom:0.7cm groove orchid;border-top:0.8cm ridge sienna;}.td2 {background-color:whitesmoke;}.b1 {background-color:transparent;border-width:0px;font-weight:bold;color:crimson;cursor:hand;}SELECT {background-color:khaki;}</STYLE>)html"
    "\n";
