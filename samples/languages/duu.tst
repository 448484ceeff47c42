
~Uxzzuf gax 1
Avzangf Cymfddov juanvtif cenvyuanv syvnax alf zunxyanv ningx pingvdengf ningx myv gaifbianx juanvlix lev cenvrenx sax, sixjiex zyxyyv, zengxyix ningx hovpingv jixcuf,
Renvjuanv lev myv ccangf ningx wufmiex yefmanv boxxingv ef lungx, ccax lev boxxingv avzangf lyangvxinx lev dianxwux lungx, avzangf syvnax yanvlunx ningx xinxyangf zyxyyv alf kongfjux ningx kuixfav myvalf sixjiex avblax sax, puftongx avzangf taiftaix mrangf yuanxwangx lanx lungx,
~Uxzzuf gax 2
Avzangf pox bux dev yif tingf arx zyf xianf boxzengx ningx yaxpox lev myv fanfpanx, renvjuanv fafzyx lev bofhux bixyox alf,
Gox guiv gamf gwanxxiv cuxjin bixyox alf,
Lyanvhov Guiv guivjiax renvminv Lyanvhov Guiv Xyanxzangx avnyx jixbenf renvjuanv, renvgev zunxyanv ningx jiaxziv ningx langxlaf pyvmax pingvdengf juanvlix lev xinxnianx congvsenx lungx, taif zyxyyv avnyx sexhuix jinxbux ningx sengxhov suifpingv sotxsotx gamf cuxcengv mitx lungx,
~Uxzzuf gax 3
Gox Huixyuanv guiv ningx Lyanvhov Guiv av syvnangx, renvjuanv ningx jixbenf zyxyyv pufbyanx zunxzongx ningx zunxxingv cuxjinx sixyuanx lungx,
CCax lev juanvlix ningx zyxyyv lev pufbyanx sox sax ccax sixyuanx congxfenx sivxianx sax lev gyvmaif taix zongxyoxxinx alf,
~Uxzzuf gax 4
Tanx,
Daxhuix,
ccax Sixjiex Renvjuanv Xuanxyanv faxbux, renvminv ningx guivjiax nuflix sivxianx gongxtongv byoxzunf zzux, avzangf ningx sexhuix jixgyx avdangxmyvdangx ccax xuanxyanv lev mitx jyoxhuix ningx jyoxyux mix juanvlix ningx zyxyyv zunxzongx cuxjinx, guivjiax ningx guivjix jianxjinx coxsix mix, ccax lev juanvlix ningx zyxyyv huifyuanv guiv renvminv ningx jjiapx avmrax renvminv avnyx pufbyanx ningx xioxgof alf cengvrenx ningx zunxxingv lev byv tonx.
~Dix yiv
Avzangf max pyvccuf byv syvnax zyxyyv ef, lifxingx ningx lyangvxinx alf, taixrav angvnikxrav gwanxxix mix syv av duixdaix.
~Dix arx
Avzangf max syvnax ccax xuanxyanv avnyx brif juanvlix ningx zyxyyv lev alf jixgev alf, zongfzuv, fuxsex, xingxbyev, gax, zongxjyox ningx jivtax jianxjief, guivjiv ningx sexhuix cuxsenx, caivcanf, pyvccuf sax ningx jivtax senxfenx dengf lev myv krix.
~Dix sanx
Avzangf max syvnax sengxminx, zyxyyv ningx renvsenx anxjuanv alf juanvlix alf.
~Dix six
Avzangf nuvlix ningx nuvyix manx syv zzux nyv. Tangf xingvsix nuvlix zixdux ningx nuvlix moxyix syvnax manx zzux nyv.
~Dix wuf
Avzangf kuxxingv manx topx nyv, canvrenf, myv renvdox ningx wufrufxingx daixyux ningx xingvfav lev manx topx nyv.
~Dix luv
Avzangf max avraxdov syvnax faflix uxzzuf renvgev cenvrenx juanvlix alf.
~Dix jix
Faflix uxzzuf avzangf max syvnax pingvdengf, pingvdengf falix lev bofhux juanvlix alf.
~Dix bax
Avzangf xianxfaf ningx faflix lev bix jixbenf juanvlix jinxhaix topx jjinf, hevgev guivjiax faftingv lev ccax qinxhaiv xingvweiv xioxgof alf bufjyx zzux juanvlix alf.
~Dix jyf
Avzangf lev manx renfyif daixbuf, avbalx ningx dalx nyv.
~Dix siv
Avzangf juanvlix ningx yixwux panxdingx lev topx jjinf, xingvsix kongxgaox lev topx jjinf, duvlix ningx sixxinx myv alf faftingv lev gongxzengx gongxkaix senfpanx juanvlix alf.
~Dix siv yiv
1. Xingvsix kongxgaox topx avzangf, faflix mix gongxkaix senfpanx zuix alf sax myv zenxsiv, zuix myv alf sax mitx nyv. Senfpanx davbyanx bofzangx lev lax bix.
2. Avzangf xingvsix xingvweiv ningx myv xingvweiv, klotxxyv avlangf, guivjiax ningx guivjix faf mix syvnax zuivxingv myv ef, manx zuiv ef nyv. Xingvfav zuiv fanv avlangf faflix guixdingx lev avlif manx ef nyv.
~Dix siv arx
Avzangf yinfsix, cymfdov, cymf ningx tongxxinx lev renxyix manx ganxsex nyv. Avzangf faflix bofhux mix ccax ganxsex ningx gongxjix lev bixmianf juanvlix alf.
~Dix siv sanx
1. Avzangf guivjiax avnyx zyxyyv celx ningx rongf juanvlix alf.
2. Avzangf guiv klotxxyv juanvlix alf, avdyf guivjiax alf, guiv avblaf juanvlix alf.
~Dix siv six
1. Avzangf poxhaix bixmyanf taixongf guivjiax avnyx bixhux lev gyx ningx topx juanvlix alf.
2. Gaixsangx myv zengxzixxingx zuixxingv ningx Lyanvhov Guiv zongxzif ningx yuanvzev lev weivbeix xingvweiv cax jifsux jjinf, ccax juanvlix manx hhatx nyv.
~Dix siv wuf
1. Avzangf guivjiv alf juanvlix alf.
2. Avzangf guivjiv renxyix manx tulx nyv, guivjiv lev gaifbyanx juanvlix manx fyfrenx nyv.
~Dix siv luv
1. Langxlaf ningx pyvmax, zongfzuv, guivjiv ningx zongxjyox lev myv xyanxzix, hunxjiax ningx cymfdov lev cengvlix juanvlix alf. Angning hunxyinx dov, hunx jiex avlangf ningx avnongx avlangf, pingvdengf juanvlix alf.
2. Avzangf avnix ccox avddyf syvnaxnax tongvyix lungx, hunx jiex nif.
3. Cymfdov tyanxranv ningx jixbenf sexhuix danxyuanv ef, sexhuix ningx guivjiax lev bofhux sax ef.
~Dix siv jix
1. Avzangf avdyf caivcanf alf ningx avzangf av alf juanvlix alf.
2. Avzangf caivcanf renxyix manx tulx nyv.
~Dix siv bax
Avzangf sixxiangf, lyangvxinx ningx zongxjyox zyxyyv juanvlix alf; ccax juanvlix zongxjyox ningx xinxyangf lev gaifbyanx zyxyyv, danxduv ningx jivtif, gongxkaix ningx mixmix jyoxyix, sivjyanx, lifbaix ningx jiexlix mix zongxjyox ningx xinxyangf lev byofsix zyxyyv alf.
~Dix siv jyf
Avzangf yixjyanx lev zuxzangx ningx faxbyof zyxyyv; ccax juanvlix zuxzangx alf ganxsex lev myv topx zyxyyv, meivjiev mix guivjiex myv krix xiaoxxiv ningx sixxiangf lev gyx topx ningx bix zyxyyv alf.
~Dix arx siv
1. Avzangf hovpingv jivhuix ningx jievsex zyxyyv alf juanvlix alf.
2. Avzangf twanvtif manx syv zzangxxyv nyv.
~Dix arx siv yiv
1. Avzangf avdyf ningx zyxyyv avsalf daixbyof mix guivjiax lev zixlif sax canxjiax juanvlix alf.
2. Avzangf max pingvdengf jixhuix mix guivjiax gongxwux canxyif juanvlix alf.
3. Avzangf max yixzix zengxfuf juanvliv jixcuf ef; ccax yixzix dingxqix ningx gaixsangx avsalf sax mix byofxianx sax ef, avsalf sax pufbyanx ningx pingvdengf ef, angvbryngf myv brif tyvpyox ningx xiangxdangx zyxyyv tyvpyox cenvxix mix zzux sax ef.
~Dix arx siv arx
Avzangf sexhuix cenvyuanv ef, sexhuix bofzangx lev topx juanvlix alf, zunxyanv ningx renvgev zyxyyv faxzanf sax gyx jinxjix, sexhuix ningx wenvhuax juanvlix sivxianx sax topx juanvlix alf; ccax juanvlix sivxianx sax, guivjiax covsix ningx guivjix hovzox ningx gox guiv zuxzix ningx zixyuanv jingvkuangx mix zzux sax ef.
~Dix arx siv sanx
1. Avzangf gongxzov, zyvyev lev zyxyyv avsalf, gongxzengx ningx hovsix gongxzov tyovjyanv ningx sixyex bofzangx topx juanvlix alf.
2. Avzangf max syvnax tongv gongx tongv cyv juanvlix alf, manx jivsix nyv.
3. Gongxzov avzangf gongxzengx ningx hovsix boxcyv lev topx, avdyf ningx cymfdov avzangf max avzang zunxyanv fuvhov sengxhov tyovjyanx syv alf juanvlix alf, bixyox avlangf taixongf sexhuix bofzangx lev bix sax ef.
4. Avzangf gongxhuix lev zufzix ningx canxjiax lixyix lev weivhux juanvlix alf.
~Dix arx siv six
Avzangf ryvnaf ningx laixkax myv alf juanvlix alf, gongxzov avlangf hovlif xyanxzix alf juanvlix ningx guixdingx avlangf pox topx ryvnaf juanvlix alf.
~Dix arx siv wuf
1. Avzangf avdyf ningx cymfdov avzangf max jyanxkangx ningx fuvlix lev weivjiv sengxhov suifzunx topx juanvlix alf, angvzzax, temxbox, cymf, manxwaf sax ningx bixyox sexhuix fuvwux alf; gongxzox myv alf, zzaf, canvfe, langxlaf xif, pyvringx sax ningx taixongf kongxzyx myv gnif laixkax dov myvsengx nengvlix myv alf avlangf, bofzangx lev topx juanvlix alf.
2. Avmaif ningx jamxrav texsux zoxgux ningx syvnangx sax topx juanvlix alf. Jamxrav max, hunxyinx avnyx ningx taixongf pyvccuf sax, syvnax tongvyangx sexhuix bofhux lev topx sax ef.
~Dix arx siv luv
1. Avzangf max syvnax jyoxyux topx juanvlix alf. Jyoxyux ngul manx gyx nyv, taiftaix jingf cuxjiv ningx jixbenf jiexduanx exwax sax ef. Cuxjiv jyoxyux yixwux xingx sax ef. Jixsux ningx zyvyex jyoxyux pufbyanx sexlix sax ef. Mrangf jyoxyux cengvjix cax avzangf max lev tanf sax ef.
2. Jyoxyux muxdix congxfenx avzangf goxxingx lev faxzanf, avzangf juanvlix ningx jixbnef zyxyyv zunxzongx syv mrangf. Jyoxyux guivjiax ningx guivjiax, zongfzuv ningx zongfzuv, zongxjyox jivtuanv ningx zongxjyox jivtuanv av sox sax, av rongvrenf sax ningx gamf gwanxxix lev cuxjinx sax ef, Lyanvhov Guiv hovpingv lev weivhux hovdongx max lev cufjinf sax ef.
3. Avpaif avmaif angvjalf byvmaxjalf jyoxyux lev, uxzzuf avsalf juanvlix alf.
~Dix arx siv jix
1. Avzangf max syvnax sexhuix wenvhuax sengxhov canxjiax, yixsux lev topx, koxxuev jinxbux ningx angf lev klotxxyv fuvlix lev topx juanvlix alf.
2. Avzangf angf lev zzux koxxuev, wenvxuev ningx meifsux zoxpinf jingxsenv ningx wuxzix lixyix lev, bofhux sax topx juanvlix alf.
~Dix arx siv bax
Avzangf sexhuix ningx guivjix zyxxux lev gyx juanvlix alf. CCax zyxxux dov, ccax xuanxyanv lev brif juanvlix ningx zyxyyv syvna congxfenx sivxianx sax topx gnif.
~Dix arx siv jyf
1. Avzangf sexhuix lev zevrenx alf, sexhuix dov goxxingx zyxyyv ningx congxfenx faxzanf lev topx gnif.
2. Avzangf juanvlix ningx zyxyyv lev xingvsif avlangf, faflix lev jef xianxzyx. CCax xianxzyx lev juexdingx muxdix avzangf juanvlix ningx zyxyyv lev alf sax ef cenvrenx ningx zunxzongx bix sax bofzengx, minvzux sexhuix dov daoxdev, gongxgongx zyxxux ningx pufbyanx fuvlix zengxdangx gyx sax sixyingx sax jef ef.
3. CCax lev juanvlix ningx zyxyyv lev xingvsif, tangf jingvxingv dov syvnax Lyanvhov Guiv zongxzif ningx yuanvzev manx weivbeix nyv.
~Dix sanx siv
CCax xuanxyanv lev brif sax guivjiax max, twanvtif max ningx avzangf max hovdongx ningx xingvweiv mix ccax xuanxyanv avnyx brif juanvlix ningx zyxyyv lev syv myvgamf juanvlix alf sax manx gyx nyv.