
~WILLARIY IMAPAQCHA CHAY DERECHONCHISKUNA LEY 1
Llapanchis runakunaq runa kayninchis derechonchiskuna kan. Llapanchispapas kaq derechoyoqllan kanchis. Manan pipas qechuwaswanchu nitaq chinkachinmanchu.
Si chay derechonchiskuna reqsisqa kanqa, qawasqa kanqa, llapanchispa, chayqa hawkalla kawsasunchis, mana maqanakuspalla, nitaq cheqninakuspalla, nitaqmi qechupanakusunchu, hawkalla kasun.
~WILLARIY IMAPAQCHA CHAY DERECHONCHISKUNA LEY 2
Ñawpaq watakuna, manaraq derechonchis ley reqsisqa kachaqtin, chay wakin munaysapa runakuna, qarí tuku runakuna, valiq tukukuná, chay derechonchiskunata sarusqaku, cheqnisqaku, mana valiqman tukuchisqaku. Hinaspa runa masinta waqachisqaku, k'umuchisqaku, cheqnisqaku, sipinankukama.
~WILLARIY IMAPAQCHA CHAY DERECHONCHISKUNA LEY 3
Llapan runakuna munanchis chay derechonchiskunata, ima yuyayninchistapas piensasqanchistapas rimarinanchispaq, mayqen Diostapas khuyananchispaq, allin kawsakuypi tiyananchispaq, mana pitapas manchakuspa, hawka kusisqa tiyaspa kawsananchispaq.
Chay leykunaqa amaparawasunmi, derechonchiskuna qawasqa kananpaq. Mana qawasqachu ni respetasqachu kanqa, chayqa hatariswanmi runakuna, derechonchiskunata valichiq, allin k'apaq reqsisqa kananpaq.
~WILLARIY IMAPAQCHA CHAY DERECHONCHISKUNA LEY 4
Llapan chay nacion llaqtakuna allin hawka kawsaylla kayta atin, ama maqanakuspalla, ama cheqninakuspalla, nitaq qechapanakuspalla yanqa qariykachaspa.
Chay hatun huñunakuy "Naciones Unidas" nisqanpi niwanchis qaynata: - Kanmi derechonchiskuna. Hinaspa, kanmi runa kayninchis. Hinaspa, warmipas qaripas kaq derechoyoqllan kanchis, - nispa qelqanku documentonkupi.
~WILLARIY IMAPAQCHA CHAY DERECHONCHISKUNA LEY 5
Chay hatun huñunakuy "Naciones Unidas" nisqanpin munan llapan runakuna chay derechonchiskunata reqsinanchista, hinaspa ruwananchista.
Llapanchis runakuna k'apaqta reqsisun qawasun yachasun chay derechonchiskunamanta, kay documentopi leyespa.
Chaymi chay willariy, chay Ieyesqanchis, imapaqcha chay derechonchiskuna kan chayta.
~WILLARIY IMAPAQCHA CHAY DERECHONCHISKUNA LEY 6
DERECHONCHISKUNA LEY
Hatun huñunakuy "Naciones Unidas" nisqanpi qelqanku llapan runakunaq derechonkunata, allin documentopi qelqaspa, allin reqsichinakunapaq. Llapallanchis kay mundopi kaq runakuna chay derechonchiskunata reqsichinakusun, yachapachinakusun, respetachinakuspa ruwachinakusun k'apaqta.
~(1) HUK KAQ
Kanmi derechonchiskuna llapanchispa, nacesqanchismanta. Kantaqmi llapanchispa runa kayninchis. Manan runa kanchu manay derechoyoq. Huk runaq derecho hukpawan kaqllan kan. Kanmi derechonchis llapanchispa allin kawsay libre tiyananchispaq. Llapan runaqpan kan yuyayninchis yachanapaq. Llapanchis kasun llapa runa masinchiskunawan munanakunapaq, huk ayllu hina.
~(2) ISKAY KAQ
Kay hatun ley kamachikuyqa llapanchispaqmi, pipas kachun, mistipas, puna runapas, yuraqpas, yanapas, warmipas, qharipas. runasimilla rimaqpas, castellano rimaqpas, hanaq pacha khuyaqpas, pachamama aypakuqpas, imayna yuyaq runapas, may llaqtamantapas, mana imayoqpas, wakchapas, qhapaqpas. Anchaykunapaqmi, llapanchispaq, kay hatun ley kamachikuyqa.
(3) KIMSA KAQ
~Kanmi derechonchis kawsananchispaq. Manan pipas
(4) TAWA KAQ
~Manan pipas esclavota hina llank'achiwaswanchu,
(5) PICHQA KAQ
~Manan pipas, salqa uywata hina kachispa, k 'iri
(6) SOQTA KAQ
~Kanmi derechonchis juezman demandakuq rinanchis
(7) QANCHIS KAQ
~Llapa leypaqpas llapan runapas kaqllan kanchis.
Demandanchis kaqtinqa, manan juezqa sayakunmanchu mayqenmanpas. Juezqa llapa demandanchista kaqllata uyariyta atin. Hinaspa justiciata ruwayta atin llapanchispaq, mana imanpas sayakuspa.
~(8) PUSAQ KAQ
Kanmi derechonchis amparawananchispaq, derechonchista saruqtinku. Derechonchista saruqtinkuqa, amparawanchismi chay juezkunapas autoridadkunapas. K'apaqtan amparawanchis, ama kaqmanta derechonchis sarunankupaq.
~(9) ESQON KAQ
Manan pipas, qasi kaqtaqqa, yanqapuni capturasqa kayta atinchu, nitaqmi carcelman wichq'asqa kayta atinchu, nitaq llaqtanmanta qarqosqa kayta atinchu.
~(10) CHUNKA KAQ
Demandanchis kaqtin, otaq cargochasqa kaqtinchis, kanmi derechonchis juezpapi willakunanchispaq. Juezqa iman kaqllata uyariyta atin, mana pimanpas sayakuspalla, nitaqmi pakallanta ruwanmanchu, llaqtaq qayllanpi ruwayta atin.
~(11) CHUNKA HUKNIYOQ KAQ
1. Cargochasqa kaqtinchisqa, manan juezqa - Huchayoq kanki, - niwaswanchu, leyman hina manaraq yachaspa cheqaychus o manachus huchanchis kan chayta tarispa.
2. Ñoqanchis imatapas ruwaqtinchis, manaraq chay ley t'aqtakamuchaqtin, manan chay ley huchachawaswanchu castigawananchispaq.
~(12) CHUNKA ISKAYNIYOQ KAQ
Manan pipas, qasi kaqtaqa, yanqapuni turiyamuwaswanchu, ni ayllunchistapas, nitaq wasinchistapas, nitaq cartanchistapas. Manan pipas yanqapuni k'amiwaswanchu, nitaq huchachawaswanchu tumpaspa, nitaq runa kayninchista qepachiwaswanchu. Chaykunamantan ley amparawanchis.
~(13) CHUNKA KIMSAYOQ KAQ
1. Kanmi derechonchis libre purikunanchispaq maymanpas. Kantaqmi derechonchis maypipas tiyakunanchispaq, munasqanchisman hina.
2. Kanmi derechonchis Peru llaqtanchismanta lloqsinanchispaq, qepakama kaqmanta Peru llaqtanchisman kutimpunapaq, munasqanchisman hina.
~(14) CHUNKA TAWAYOQ KAQ
1. Kan mi derechonchis llaqtanchispi nishuta ñak'arichiwaqtinchis qatiykachaspapas, huk llaqtamanpas lloqsinanchispaq, hinaspa hawka tiyananchispaq.
2. &1
~(15) CHUNKA PICHQAYOQ KAQ
1. Kanmi derechonchis llapanchispa nacionniyoq kananchispaq, ñoqanchischu Peruano kanchis chay hina kanapaq.
2. Kantaqmi derechonchis nacionninchismanta lloqsispaqa hu~k nacionniyoq kanapaq.
~(16) CHUNKA SOQTAYOQ KAQ
1. Kanmi derechonchis, wiñayta ushaspa, llank'ayta yachaspa, kasarakunanchispaq, chaymanta wawakunayoq aylluyoq kananchispaq. Kasarakuswan piwanpas, munasqanchisman hina, ima rikuqwanpas, yuraqwanpas, yanawanpas, may llaqtayoqwanpas, ima Dios khuyaqwanpas. Hinaspataqmi warmipas qaripas kaq derechoyoqllan kanchis.
2. Qaripas warmipas mayqenpas mana munaspanqa, manan kasarakunmanchu, nitaq pipas obliganmanchu, - Kasaray, - nispa, mana munaqtaqa.
3. Chay tayta mama llapa wawankunayoqta estadoqa sumaqta yanapayta atin, huk tayta hinalla.
~(17) CHUNKA QANCHISNIYOQ KAQ
1. Kanmi derechonchis kaqninchiskunayoq kanapaq, kantaqmi derechonchis hayk'a runapas kuska kaqniyoq kaspa kaqninchis kananpaq.
2. Manan pipas, qasi kaqniyoqtaqa, yanqapuni kaqninchiskunataqa qechuwaswanchu.
~(18) CHUNKA PUSAQNIYOQ KAQ
Kanmi derechonchis imaynatapas, yuyayninchisman hina, piensananchispaq, hinaspa imayna piensasqanchisman hina kawsanapaq, hinaspa mayqen Diostapas khuyananchispaq, pacha mamatapas, hanaq pachatapas, huktapas. Kantaqmi derechonchis, sapallanchis otaq hayk 'apas runakuna kuska, huñunakuspa kaspanchis, mayqen Diostapas adorananchispaq, kasunanchispaq, mañakunanchispaq, mayqen Diosmantapas yachachinanchispaq, mana pi tapas manchakuspa, sut 'inta ruwaspa.
~(19) CHUNKA ESQONNIYOQ KAQ
Kanmi derechonchis imaynatapas yuyayninchispi piensananchispaq, hinaspa chay piensasqanchiskunata rimarinanchispaq, ama pitapas manchapakuspa, nitaq pipas hark'awaswanchu. Kantaqmi derechonchis piensasqanchista rimarinanchispaq periodicopi qelqachispapas, radiopipas, televisionpipas, may llaqtapipas kaspanchis.
~(20) ISKAY CHUNKA KAQ
1. Kanmi derechonchis huñunakunanchispaq, asambleapi hina, rimanakunanchispaq. Kantaqmi derechonchis asociacionta cooperativata ruwananchispaq.
2. Manataqmi pipas yaykuchiwaswanchu ima asociacionmanpas, mana munaqtaqa.
~(21) ISKAY CHUNKA HUKNIYOQ KAQ
1. Kanmi derechonchis llaqta kamachiq kananchispaq, otaq votacionpi llaqta kamachiqta akllananchispaq. Llapanchis llaqta kamachiyman yaykuyta atinchis, llaqtaq akllasqan kaspa.
2. Manan pipas llaqta kamachiyman yaykunmanchu, mana akllasqa kaspaqa.
3. Akllasun votacionpi, munasqanchisman votaspa. Manataqmi pipas obligawaswanchu, -Hukllaman sayasun, - nispa.
~(22) ISKAY CHUNKA ISKAYNIYOQ KAQ
Kanmi derechonchis estadoqa yanapawananchispaq allin kawsaypi, allin taqyasqa, tukuyniyoq tiyanapaq, ama uywa hina kanapaq.
~(23) ISKAY CHUNKA KIMSAYOQ KAQ
1. Kanmi derechonchis llank'ananchispaq ima llank'aypipas mayqen llank'aypas akllakunanchispaq, hinaspa mana llank'ayta tariqtinchistaq, estado yanapawananchispaq.
2. Kanmi derechonchis, chay llank'asqanchisman hina, kaqlla pagopas chaskinanchispaq, mana pimanpas llallichastin.
3. Llapan llank'aqpan kan derechonchis, llank'asqanchisman hina, allin pago chaskinapaq, familianchispas allin kawsaypi kananpaq, allin sumpayta chay pago aypananpaq.
4. Kanmi derechonchis llank'aq masinchiskunawan huñunakunanchispaq, hinaspa ima derechonchistapas mañakuspa valechikunanchispaq.
~(24) ISKAY CHUNKA TAWAYOQ KAQ
Kanmi derechonchis ílank'aspa samananchispaq, samariq hina kusikunanchispaq, ima pukílaypipas. Manan chay llank'achiqpas ruwachiwaswanchu nishu unayta mana samarichistin. Kantaqmi derechonchis wakin samariy p'unchawkunapas, hatun p'unchawkunapas, ganananchispaq.
~(25) ISKAY CHUNKA PICHQAYOQ KAQ
1. Kanmi derechonchis allin kusi kawsaypi kananchispaq, mikunanchis p'achanchis mana qesawananchispaq, wasinchis kananpaq, onqoqtinchis hampichiwananchispaq. Kantaqmi derechonchis pipas estadopas yanapawananchispaq, mana llank'aykuna kaqtinpas, onqoqtinchispas, manaña llank'ayta atiqtinchispas, machuyaqtinchis0ñapas, qarinchis warminchis wañuqtinpas, ima llakipiña kaqtinchispas. Hinaspa wachakuq warmikunapas wawakunapas derechonchis kan qawasqa yanapasqa kananpaq.
2. Hinaspataqmi kasarasqaq wawanpas mana kasarasqaq wawanwanpas kaq derechoyoqllan kanchis qawasqa yanapasqa kananpaq.
~(26) ISKAY CHUNKA SOQTAYOQ KAQ
1. Kanmi derechonchis estudiananchispaq, hinaspa obligatorio escuela primariapi estudiananchispaq mana qolqeta pagaspalla. Kantaqmi derechonchis, allin estudiasqanchisman hina, secondariapipas, estudios superiorespipas estudiananchispaq.
2. Hinaspa escuelapi yachapanchis allin runa kayta. Hinaspa chay derechonchiskunata yachaspaqa khuyanakusun, may llaqtayoqña kaqtinchispas, may Diosniyoq kaspapas.
3. Tayta mamakuna derechoyoq kanchis.imayna laya educacionpipas wawanchiskuna educananchispaq, estadoqpipas, particularpipas, munasqanchisman hina estudiachinapaq.
~(27) ISKAY CHUNKA QANCHISNIYOQ KAQ
1. Kanmi derechonchis allin kayta yachapaspa kananchispaq, yachayninchisman hina, fiestakunapipas kanapaq, tusupakuypi takipakuypi tocapakuypi kanapaq folklorninchisman hina huk artekunapipas kanapaq.
2. Hinaspa scienciaq ñawpasqanman hina, llapanchis chay scienciaq ruwasqankunayoq kanapaq, mosoq hampikunapas, aparatokunapas, maquinakunapas, hukkunapas.
~(28) ISKAY CHUNKA PUSAQNIYOQ KAQ
Llapa nacionkuna kuskalla ruwayta atinku, chay llapa qawasqanchis derechonchiskuna ruwaspa kanapaq.
~(29) ISKAY CHUNKA ESQONNIYOQ KAQ
1. Llapanchispan deberninchis kan ayllupipas llaqtapipas ima comun ruwaykunapipas yanapanapaq, kay Peru llaqtapipas estadoman yanapanapaq, atiyninchisman hina.
2. Chay llapa ruwananchis derechonchiskunata ruwaspa, mana hukpa derechonwan qechupanakusunchu, cheqninakusunchu, saruchanakusunchu.
3. Mana llaqtatapas naciontapas tusñuswanchu nitaq t'uktiswanchu, chay derechonchiskunata ruwaspa.
~(30) KIMSA CHUNKA
Manan pipas kay qawasqanchis derechonchiskunata qechuwaswanchu, nitaq pakawaswanchu yachananchismanta, maypi kaqtinchispas.