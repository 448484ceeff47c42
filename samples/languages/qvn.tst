
~ARTICULO 1
Lapan runas kay pachachru nasimun juk rantisha runanuy mana pitas sirbinanpaqmi, alipa rikasha kananpaqmi, washasha kananpaqmi. Lapan runakunas nasipaakamun yarpayniyoqmi naatan tantiyayniyoqmi ima lutanta rurapaakurursi tantiyakunanpaq. Lapan runakunas kawapaakunaman juk wawqenuylam.
~ARTICULO 2
Washasha kananpaq kay lapan iskirbirayaqnuylam rurakanman lapan runawansi, yuraqwansi, yanawansi, imaniraqwansi kachun quechua rimaqsi, castellano rimaqsi, u kachun warmis, olqos, Diosman yupachikuqsi u imaman yupachikuqsi, kachun manadaqninpita pinsiyaqsi u ima insiyaqsi, kachun mayaq markapitas u maychru, nasishas, kapuqniyoqsi u mana imaynaqsi. Imanuy ayqaynuy karsi rikanakurkanman juk kastanuylam.
Kachun mayqan mandaqkunapa qatiraqninsi, kachun libritayoqsi u jinalas, kachun mayaq markapita aywakamushas, pi maysi rikanakurkanman chaynuylam, juklaa nasyun mandaqpa makinchru karsi, mana jukpa makinchru kaqnuylam rikapaakunman alipa, chay mandaqpa runankunatas.
~ARTICULO 3
Pi may runatas amam munachwanchu pitas wanuchipaakunanta, piwansi mana munayaqwan sirbichikurkaananta, jinaman maqasha u ashlisha kapaakunantas.
~ARTICULO 4
Amam pisi, pipa sirbiqninsi imaysi yaykunqachu imapita nirsi u imapaq nirsi.
~ARTICULO 5
Amam pi tasi kawaypa kuchuchinmanchu juk uywatanuyqa, manatan pitas ashlinmanpishchu mana baliq nirsi.
~ARTICULO 6
Lapan runas, may chay nasyunchru kaqsi kanman chay kikin nasyun runanuy alipa rikasham, libritaanaq mana karsi.
~ARTICULO 7
Lapan runas kapaakunman chaynuyla alipa rikasham. Naatan pis aliska kunchuchiptin kay iskirbishakunapita juknuypa ruraptin nasuynchru mandaqqa washanmanmi lapan runakunata. Amam rirqararmanchu pisi, mandaqninpita lutanta rimayaqta u wakta, kayta lutanta ruray niyaqta. Manatan rirqaranmanchu wakinta alipa rikaqtas u wakinta lutanpa rikaqtas.
~ARTICULO 8
Jucha taripaq runakuna wiyaripaakunman lapan runatam nasyunninchru kaqtaqa. Paykunaqa runakunata washapaakunman iskirbishankunanuymi mana imas lutan rurasha kapaakunanpaq.
~ARTICULO 9
Amam pitas manakaqpita, charichinmanchu u karselman wichrqachinmanchu. Naatan nasyuninpitas jurquchinmanchu.
~ARTICULO 10
Juchaakushakunata taripaq runakuna rikapaakunman chaynuylam lapan runatas. Paykuna wiyaripaakunmanmi Chay juchachasha runamayin wanuchiqta imaninqantas". Chawra mana mayqantas kuyapaalarmi ima nipaakumansi rimakurkanqannuy.
~ARTICULO 11
1. "Juk runapita lutantam rurasha" nipaakuptin rasunpa shumaq musyakamunqankamaqa "Manam yanqa rimapaakunmanchu paymi rurasha". nir. Naatan juchaakusha karqa, kikin chay runa washakushun u washachun juk runas. Chay jucha taripaqkuna achka runakuna kayaptinmi mayapaakunman chay juchachasha runa rimaqta.
2. Pi runa imatas ruraruptin, manam imaniytas atipapaakurachu nasyuninkunachru mana kaynuy iskirbishakuna kaptin. Naatan manatan karachu iskirbishakuna j uchaakushakunata imaypa aliska kunchuchinapaqsi. Chaypi taran mandaqkuna iskirbipaakura kayta naa imayqas juchaakusha jananchruuraq.
~ARTICULO 12
Mariam pitas ayluykunata "Lutanta ruray". nichwanchu. Naatan manatan wayinchru imanuy kawakuqtasi imatas jatipachwanpishchu. Manatan kartantas pisi kichrapunmachu ni washantas rimanmanpishchu. Kay iskirbishakunanuymi rurakasha kanman. Jinaman washasham kapaakunman lapansi kay tukuy lutan ruraypita.
~ARTICULO 13
1. Runaqa pi maysi munanqantam aywanman maytas, chaytas. Naatan nasyunninchruusi munanqanchruutan yachranman maychru chaychruusi.
2. Pi maysi munarqa yarqunmanmi imaysi nasyunninpita. Naatan munarqa kutiyunmantan imaysi.
~ARTICULO 14
1. Mana kaqpita pis yanqa qatikachraptinqa, chay runakunaqa yarqukurkanmanmi nasyunninpita juklaa nasyunchru maylachruusi ali kakunanpaq.
2. Naatan imatas lutanta rurapakusha karqa amam yarqunmanchu nasyunninpita juklaa nasyunchru washapaakunanpaq, Lapan Nasyunpita Qutukaq runakuna manam munapaakunchu kaykuna rurakananta.
~ARTICULO 15
1. Lapan runas kapaakunman juklay nasyunlata markanch akusham.
2. Manam pisi "Qampa naa manam kankimanchu kay nasyunnikipa runanqa" nir, qarqunmanchu pitas. Ni manatan chariranmanpishchu " Qamqa manam kankimanchu juklaa nasyunpa runanqa nirsi.
~ARTICULO 16
1. Naa kasaranan timpuman chrarurqa, warmis, olqos kasarakunmanmi, may kastawansi; yanawansi, yuraqwansi. Kasaranmantan juklaa nasyun runawansi, Diosman u mana Diosman yupachikuqwansi. Nasyunchru iskirbishankunanuymi washanman lapantam runankunata, kasarakunanpaqsi, kasararuptinsi u chulaanakuruptinsi.
2. Manam pisi kasarachinmanchu mana munaqta. Kasarachinmanqa munanakuqlatam.
3. Chay kasadukuna lapan wamrantinmi kapaakunman alipa rikasha, mandaqkunapita washasha. Chay kasadukuna wamrankunawan aliskam balin.
~ARTICULO 17
1. Pi may runapas kanmanmi munaptinqa chrakransi, wayinsi u imayqansi, kikilanpasi u juk runakunapawansi. Chaynuy kananta manam pisi amachanmanchu.
2. Manam pisi kitanmanchu chay imayqantasi oíqoorir manakaqpitaqa.
~ARTICULO 18
Pi may runasi munanqantam pinsiyakunman, naatan ali u lutan ruranqantasi tantiyakunmanmi. Chawraqa j inam yupachikunman Diosmansi u imamansi. Muyunmanmi juk riligiyunpita juk riligiyunmansi. Muyunmantan juknuy kawaypita juknuy kawanmansi. Jinam pi maysi imanaypasi Diosninta alawaakunman, japaíansi u wakin runawansi, washachruusi u wayilachruusi. Yachrachipaakunmantan .yachrakurkanqantawan juknuypa kawaynintas, naatan rurapaakunmanmi fistankunatas.
~ARTICULO 19
Chawra runaqa jinam pinsiyanman, naatan "Rimashaq" nirqa, rimanman. Naatan chay pinsiyayanqan runata piñaakachinan mana pipitas amachasha kaptinqa amam rimanmanchu. Runaqa pi maysi yachrakunman munanqantam librukunata leyepasi u jukkuna rimaptin mayakuypasi. Naatan munarqa pinsiyanqanta iskirbinmanmi u rimanmanmi wakinkaqkunas mayakurkaananpaq. Naatan apachinmanmi mayaq chayaq nasyunkunamansi amam juklaa nasyunman imanaypa apachikuptinsi; ama apachiychu ninmanchu pisi.
~ARTICULO 20
1. Pi may runasi jinam qutukaakurkanman imapaqsi. Naatan qutukapaakunman imapaqsi, alipaqmi.
2. Manam pi tasi "Runakunawan qutukaashun" ninmanchu mana munaqta wapuypaqa.
~ARTICULO 21
1. Pi may runasi, mandaqnin ima ruraytas munaptinqa íapanmi chaychru kapaakunman, kikinkunas u deígadukunas.
2. Mandaqkuna imawansi yanapaamuptinqa wakinkunanuymi chraskinman lapansi.
3. Lapan runasi munanqantam akrapaakunman mayqantasi mandaqninpaq. Naatan chay mandaqninkuna akrapaakunqan kanman ayqa' watakamas nasyuninkunachru iskirbishankunanuymi. Mandaqninta akrapaakunman mana kaskipanakularmi iskirbipas u makin chakcharkuypas.
~ARTICULO 22
Juk nasyunchru yachraq runapa kapunman aypam imansi ayqansi kawaananpaq. Naatan mayqanpas masía kapuptinqa yanapanman walkala kapuqtam. Chaynuytan masía kapuptinqa nasyunkunas, yanapanman mana alaapa kapuqniyoq nasyunkunata, wakinkunapita mana jukmapasha kapaakunanpaq. Chaypita tukuy j inanpa yanapanakur, ali kapaakunanpaq.
~ARTICULO 23
1. Pi may runasi uryanman imachruusi munanqanchruumi maychruusi. Jinaman alipam rikanakurkanman uryaqsi u urayachiqsi. Naatan mana uryata tariptinqa mandaqninkunam yanapanman tariyta.
2. Ishkay runa chay uryalachru kaptin jinaman chaynuyla ishkaynin uryaptinqa, pagasha kapaakunman ayqata karsi chaynuylam.
3. Uryaqkuna ali pagasham kapaakunman mana ima wanaychruusi kapaakunanpaq. Jinaman aylunkunas alipa rikasha kapaakunanpaq. Naatan gananqan mana imapaqsi aypaptinqa nasyunninchru mandaqninkunam yananpanman.
4. Pi may runas urayaqqa qutukapaakunmanmi uryaq mayinkunawan imas mana ali kaptin rimanakurkaananpaq. Manam pisi "Ama qutukapaakuychu" ninmanchu pitas. Maslata ganayta munarqa u alipa rikasha kayta munarqa, jinam manakurkaananpaq qutukarkur rimanakurkanman.
~ARTICULO 24
Pi may runasi uryaqqa jamanmanmi. Chay jamar imatas rurakunman munanqantam. Naatan pisi amam uryachinmanchu rimanqanpita masqa. Jinaman watachamur jamaptin pagasham kanman.
~ARTICULO 25
1. Pi may runapas kanman aypam imalansi ali kawapaakunanpaq, aylunkunas mana qeshyapaakunanpaq, kanman aypan mikunan, jakun, jinaman wayin yachrananpaq. Qeshyarur aywanmanmi medikuman u hospitalmansi jampichikuq. Naatan mandaq runakuna yanapapaakunman lapantam: uryapakuytam mana tariq runakunata, qeshyaqkunata, mana uryaq atipaqkunata, japatukushakunata, chachakunata, mana juchaynaq kayarsi imaynaqsi kidashakunata.
2. Pachrayoq warmikunas jinaman iñashakunas kapaakunman aliska yanapasham imayqachruusi. Akapa wamrakuna kapaakunman ali rikasham lapansi kasadupa karsi u mana kasadupa karsi.
~ARTICULO 26
1. Runakuna lapanmi yaykupaakunman iskuylaman. Naatan "amam pisi paganmanchu qalayunqanpita ushanqankamas. Wamrakunata kachrapaakunman lapatam munaqtas, mana munaqtas primariya iskuylaman. Chaypita masta yachrakuy munaqkuna, jinam yachrakurkanman medikupaqsi, abugadupaqsi u imayqapaqsi. Unibersidakunaman mana atipaqkuna ali yachrarqa chraskisham kapaakunman. Naatan mana yachraqkunata "Amam chraskipaakunmanchu imansi rayqoqa.
2. Chay iskuylakunachru yachrachiykuna kanman lapan yachrakuqkunata ali runa kayta yanapananpaqmi, alipa rikanakurkaananpaq, lapan runata yanapaa- nanpaqmi, rantisha runanuy mana pipa sirbichiqninsi kapaakunanta musyapaakunanpaqmi, juklaa nasyun runakunawan, u juk rimayta rimaqkunawan alipa kawapaakunanpaqmi Diosman yupachikuqtawan, mana yupachikuqtas alipa rikanakurkaananpaqmi. Jinaman yachrachipaakunmanmi lapan nasyunpita qutukaq delgadukuna iskirbipaakunqanta yanapanakur kawaypitas, mana wanuchinakuy kananpaq.
3. Naatan taytakunam akrapaakunman churinkuna may iskuylachru yachrachisha kanapaqsi.
~ARTICULO 27
1. Runakuna pi maysi markachru imayqatas rurakunman munanqatam: ruranmanmi fistatas, kantamanmi kantatas, awanmanmi imatas, dibujanmanmi imayqatas u tantiyayninpita wamaqkunatas jurqamunmanmi, wakin aíiska tantiyay yachraq runakunanuysi.
2. Pi may runasi, shumakuq wamaqlata imatas kamakarachirqa u mana pisi iskirbinqanta wamaqta imapitas iskirbirurqa pagasham kapaakunman. Naatan "Amam chay ruranqantaqa pisi yachrapanmanchu. Noqam wamaqta jurqaramuu" nir, kaskinwanqa qolqeta charinan rayqosi u alawasha kanan rayqosi.
~ARTICULO 28
Lapan runam may nasyunchru, kaqsi, ima lutantas rurayaqkuna qalayapaakunman ali kawayta runamayinwan, kaychru lapan kay iskirbishakunanuy.
~ARTICULO 29
1. Runakuna Iapanmi markachru mandaqkuna imatas niptin kaasukurkanman. Chay kaasukuq karqa, pi maysi kapaakun alipa rikasham, naatan ali runa pipaqsi.
2. Juk nasyunchru yachraqkuna, nasyunninchru iskirbishakunata 1apanmi kaasukurkanqa, mana pisi juk rantishanwannuy piwansi sirbichikunanpaq, j inaman ali runa kapaakunanpaq. Pi maysi alim kawanman runamayinwan, naatan lapanmi imachru yanapanakurkanman ali kawayta chay nasyunninkunachru.
3. Kay lapan iskirbishakuna manam kaasukanmanchu kara, lapan nasyunpita qutukaq delgadukuna "Rurashunmi" ninakur rurayta mana qalayusha kapaakuptinqa.
~ARTICULO 30
Juk nasyunchruusi u runa qutukaqchruusi u juk runalatas imata rurananpaqsi pisi kaychru skirbirayaqpita juklasipa imapitas tantiyachinanta manam munapaakuuchu.