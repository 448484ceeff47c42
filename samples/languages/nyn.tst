
~EBYEBEMBERA (PREAMBLE) 1
Ekitiinisa ky'omuntu ekyobuhangwa nikiingana nobushoborozi obutakabaasa kwihwaho eka yabantu boona heza niyo ntandikirro y'oburinganiza omu nsi yoona.
Obutagyendera ahaabugabe bw'abantu burugiremi ebikorwa bibi ebisiisire emiteekatekyere y'abantu kandi okuhika ahabwire bw'abantu baraagirire obugabe bw'okugamba ekibarikwenda bakikiririza n'omu kibarikwenda bataine kibari kutiina nikyo abantu baburiijo bashemereire kurwanirira. Omuntu ku araabe atari wokugyemwa kugomera obutegyeki bubi nikimanyisa ngu obugabe bw'omuntu bushemerire kurindwa entegyeka ey'amateeka.
~EBYEBEMBERA (PREAMBLE) 2
Ekibiina ky'Amahanga Ageeteraine omu kihaandiiko kyakyo nikihamiza kimwe kukirikwikiriza omu magara g'obuntu nomukitiinisa n'omuhendo gwomuntu kandi kimaririra okukora ekikirikubaasa kureebeka ngu omutindo gwamagara obushoborozi n'amagara g'omuntu nikihuru munonga omu kuhikiriza ekigyendererwa kyekihandiko eki. Nahabwekyo Orukiiko Orwanahanga Ageeteraine (General Assembly) rurangirire ENTUURA Y'OBUNTU AHA BANTU OMUNSI YOONA.
~EBYEBEMBERA (PREAMBLE) 3
Abantu boona ahu bari ahabwokugira ekyetengo kimwe ekyamahanga goona bashemereire kwijuka ekirangiriro eki hamwe nokufayo munonga obwo barikwegyesa no kugunjura abantu kutamu ekitiinisa amagara gobuntu omunsi yoona.
~Ekicweka 1.
Abantu nibazaarwa baine obugabe nobushoborozi ebiri kwingana nibahangwa baine obwengye kandi barikubasa kwahura ekirungi nekibi, nahabwekyo abantu bashemereire kutuura kumwe nkabanya Uganda.
~Ekicweka 2.
Buri muntu ashemereire atungye obusingye oburi kugambwaho omu kihandiiko eki ahatari kushorora okwomuringo gwoona. Katugire ahabwei hanga rye, erangi yomubiri gwe, kab'omushaija narishi omukazi, orurimi, ediini, emiteekateekyere y'omuntu ahabyobutegyeki bwensi oba abantu omwarikuru ga, ebintu, byabungire obuzaarebwe narishi enshonga endiijo.
~Ekicweka 3.
Omuntu aine okubaho omu muringo gwari kusiima.
~Ekicweka 4.
Tihariho muntu oshemereire kukwatirwa omubuhuuku. Obuhuuku, nobushubuzi bw'abahuuku, tiburikwiikirizibwa omunsi yoona.
~Ekicweka 5.
Kungangarazibwa omu miringo gutari gw'obuntu.
~Ekicweka 6.
Buri muntu ashemereire kutwazibwa nk'omuntu omu mbuga zebiragiro.
~Ekicweka 7.
Omu mbuga z'ebiragiro abantu boona nibaingana kandi ebiragiro nibibarinda batariho kushorora.
~Ekicweka 8.
Buri muntu, naikirizibwa kutwaara enshonga ze omu mbuga zebiragiro ezihikire obugabe bwe bwaaba nibujogibwa.
~Ekicweka 9.
Tihariho muntu oraatsibwa atahozesibwe nainga akahangahangusibwa omu muringo ogutarikugyendera aha biragiro.
~Ekicweka 10.
Buri muntu ahatari kushoroora naatekwa kuhozesibwa "omu mushana" omu kooti etaine kugweera orubaju rumwe kandi nokumanyisibwa omushango gwoona ogurikuba nigumutabaarizibwa.
~Ekicweka 11.
1. Buri muntu weena orkutebwaho omushango ogwine ekiheneso naatekwa kutwaarwa nkoteine rubanza akuhitsya kyaahamibwa ngu akashobya okurugiirira omu biragiro kandi obwo arikuheebwa nomugisha okweehozaho nkokukirikubasika.
2. Tihariho muntu weena kuhebwa ekiheneso aha bworubanja rwamutairweho omu bwire bukyabaire kitarikumanya mu biragiro.
~Ekicweka 12.
Ekitinisa kyomuntu, amakage, ab'eka ye, ebihandiko bye hamwe namabaruhage tibishemereire kutahirirwa narishi kuzanirwaho. Buri muntu aine obushoborozi bwokweyambisa ebiragiro kuzibira abo abarikwenda kwetasya omu nshonga ze wenka.
~Ekicweka 13.
1. Buri muntu aine obugabe kugyenda narishi kuraara hoona ahu ari kwenda omunda y'ensharo z'eihanga rye.
2. &1
~Ekicweka 14.
1. Buri muntu orinkuhiganisibwa aine obugabe kwiinikangira omu ihanga erindi, n'okusheruramu obuhungiro hatariho kubonbonesibwa.
2. Obugabe obu, obwokwirukangara omu eihanga erindi, tibwokukozesa kubi kuri noogira ngu omuntu orikuhangahanguka, nateebwaho emishango etari yobutegyeki, narishi enshobi ezi arikukora tizirikugyendera ha bigyendererwa bya' Amahanga Ageeteraine.
~Ekicweka 15.
1. Buri muntu, naatekwa kutunga eihanga eryaari kumanywa mu nkomutuuzi.
2. Tihariho muntu oriihwaho obutuuzi omu eihanga rye narishi obutiikirizibwa kuhiinduraho.
~Ekicweka 16.
1. Omushaija narishi omukazi owahikize emyaka y'obukuru takuzibirwa okurugiirira aha eihanga rye oruganda narishi ediini, kwe shoborora aha byobushwere nokutandikaho eka. Omushaija n'omukazi nibainganisa obushoborozi omu bushwere bwabo bwagumaho nari bwahwaho.
2. Obushweere nibunaho, omushaija n'omukazi baaba biikirizangaine.
3. Eka nigwo musingi gobuhangwa hamwe neihanga nahabwekyo abantu na Gavumenti bashemereire kukuuma omusingi ogu.
~Ekicweka 17.
1. Omuntu aine obugabe, kwetungira ebye wenka narishi kubitungira hamwe nabagyenzi be.
2. Tihariho muntu nowe oriihweho ebintu bye omu muringo gutari gwebiragiro.
~EKicweka 18.
Buri muntu aine obugabe okwahura ekirungi aha kibi, nokurond ediini eyi arashome kandi aine obugabe we wenka narishi nabataahibe okuteeka omu nkora ebi arikwiikirizamu.
~Ekicweka 19.
Buri muntu aine obugabe kugira enteekateka ye kandi nokugamba narishi okuhandiika nkoku arikuteekateeka. Kandi buri muntu aine obugabe okurabya ebyarikutekyereza aha Radio, Television, empapura z'amahurire, nemihanda endiijo.
~Ekicweka 20.
1. Buri muntu naabasa kweshoroza omunkungaana zobusingye nabantu abandi.
2. Tihariho muntu nomwe orikukakwa kugyenda omu nkungaana nabandi.
~Ekicweka 21.
1. Buri muntu aine obugabe butegyeki bwo muihangarye.
2. Buri muntu aine obugabe bwokuza omu bitongore bya Gavumenti kuhwera ensi yarimu.
3. Abantu niboraasharemu Gavumenti eyibarikwenda. Eki nikibaasika abantu baaba nibaikirizibwa kuteea obururu.
~Ekicweka 22.
Buri munyansi aine obushoborozi kutuura n'abantu bataahi be omu nisingye , eki kimbaasise kutereeza engyesho ze, nokuhika aha byaarikurubirira ebye kitiinisa nkomuntu arikuraba omu kukora kweihanga rye okurugiirira ahanteekateeka nenkozesa yobugaiga obweihanga omu byentasya, ebyemiturire ya bantu, nobuhangwa bwaabo, ebitarikubasa kunagiijurwa omu kukurakurana oku.
~Ekicweka 23.
1. Buri muntu aine obugabe n'obushoborozi kukora naatekwa kwerondera ekika kyemirimo eyi arikubaasa omu mbeera nungi nokuyambibwa omurimo kuri nigumuhwaho.
2. Buri mukozi naateekwa kuhebwa empeera erikwiingana nomurimo gwe, erikumubaasisa kweeyemerezaho kurungi we namaka ge.
3. Kyaaba nikyetengyesa empeera yomuntu neebasa kwongyezibwaho, kuri naagubwaho obuzibu obu atetekateekire.
4. Buri muntu hatariho kushoroora, aine obugabe kushahurwa okurugiirira aha mirimo eyi arikukora.
~Ekicweka 24.
Buri muntu, naatekwa kuhumuraho ashemereire akore eshaaha ezigyerekirwe buri Izooba kandi atuungye bobwire obu yaahumuzibwaho buri mwaka kwonka obwo empeera yebiro ebiahumwireho arikugituunga.
~Ekicweka 25.
1. Buri muntu nayetaaga omutindo gwa magara ge, ogurkumubasisa kubaho kurungi aine amagara marungi namaka ge, arikutuunga ebyekurya ebijwaro, oburaaro, hamwe n'okujanjabibwa, kandi arikubaasa kweeyambisa ebi Gavumenti y'eihanga rye erokukorera abantu baayo kwimutsya omutindo gwamagara gaabo (Social Services). Buri muntu ashemereire kuyambwa arekye kweerarikirira omurimo gwamuhwaho, narishi yaaremwa kweeyamba nainga omushaija yaferwa omukazi we, oba omufakazi, oba omnuntu yaahika omu muringo gwobuteeyamba kutunga sente eki kyaamubaho atakyetekatekire we wenka.
2. Abakyara abazaire hamwe nabaana nibateekwa kureebererwa n'okuyambibwa omu muringo guhikire. Abaana boona oba abazaire baabo bagaitswire omubiragiro oba tibagaitsirwe mu biragiro nibateekwa kureebererwa omu muringo gumwe nka'bantu.
~Ekicweka 26.
1. Buri muntu naatekwa kutuunga obwegyese. Okweegyesibwa nikwija kubokwabusha omumyaka erikubanza n'omu mashomero agokubandizamu. Emishomo eyokubanza neija kugyemebwa Amashomero, agakwegyesa ebyemikono nemirimo yekikungu nigaija kuteekwaho. Kandi buri muntu orikubaasa naija kuheebwa omugisha kushomera omu mashomero ago.
2. Ebyobwegyese, nibyaija kugyenderera okugunjura abantu omu byamagyezi, nengyesho, birikuteeka amani ahakutamu akitiinisa aha bugabe bwomuntu. Ebyobwegyese, nibyaija kwimusya omutindo gwokwetegyerezangana kwabantu abensi nendimi ezomutaano, kandi bikorere hamwe nekibiina ky'Amahanga Ageeteraine omu kureetaho obusingye omunsi. Abazaire nibaikirizibwa kusharamu obwegyese baaho baratungye.
3. &1
~Ekicweka 27.
1. Buri muntu aine orusa kweetaba omubyobuhangwa bwensi, kandi n'okushemererwa ebikukiorwa abanyamagyezi nokubagana aha miganyuro berikuruga omu kukurakurana kwebya sayansi.
2. &1
~Ekicweka 28.
Buri muntu oba natura omwihanga rye oba natura omu eihanga erindi ashemereire kuba natunga obugabe bwe nkoku ekihandiiko eki kirikugamba.
~Ekicweka 29.
1. Buri muntu aine obujunaanizibwa ahabantu bensi ye ahabwokuba nibo boonka abarikumubasisa kukurakurana omu ngyesho, nomumiringo endiijo.
2. Omuntu yaaba narwanirira obugabe bwe nkomuntu ekirikumuzibira kyonka n'ebiragiro ebiteirweho okunyweza okutongoza hamwe nokukuuma engyesho nungi omubiringaniza.
3. Obugabe bwomuntu tibushemereire kukozesibwa omu muringo gwoona ogutarikwikirizangana nebigyendererwa by'Amahanga Ageeteraine.
~Ekicweka 30.
Tihariho nshonga yoona erikutuma omuntu kuhindura ebihandikirwe omu kitabo eki, obwo orikugyenderera kushisha obugabe nobushoborozi bw'omuntu.