
~Preanbil 1
An rekonnesans ki dignite imen e bann drwa egal e enseparab pou tou manm lafanmiyr imen I fondasyon pou laliberte, lazistis e lape dan lemonn,
An konsiderasyon ki mank konnesans e respe pou bann drwa imen in okazyonn en bann aksyon barbar kiín boulvers konsyans limanite, e osi larive en monn kot imen a kapab eksprim zot lekor dan laliberte e dapre zot konsyans san okenn lafreyer obyen mank mwayen, parey in ganny proklanmen konman laspirasyon pli o pou tou imen,
~Preanbil 2
An konsiderasyon ki I esansyel ki bann drwa imen I ganny proteze par en sistenm lalwa kot dimoun pa oblize, konman en dernyen rekour, pou revolte kont la tirani e lopresyon,
An konsiderasyon ki I esansyel pou ankouraz devlopman lanmitye ant bann nasyon,
~Preanbil 3
An konsiderasyon ki dan Lasart Nasyon-z-Ini bann pep in reafirm ankor zot lafwa dan bann drwa imen fondamantal, dan dignite e valer tou imen, dan egalite bann drwa zomm ek fanm, e zot in angaz zot pou travay pou progre sosyal e pou etabli meyer kondisyon lavi avek plis laliberte,
~Preanbil 4
An konsiderasyon ki bann pei manm zot in pran langazman pou asire, avek korperasyon Lorganizasyon Nation-z-Ini, ki bann drwa imen ek bann liberte fondamantal ganny respekte konman fodre partou dan lemonn,
An konsiderasyon ki en bon konprenezon bann drwa ek liberte I tre enportan pou realiz an plen sa langazman ki tou dimoun annan,
~Preanbil 5
Alor, Lasanble Zeneral I proklanm sa Deklarasyon Iniversel Bann Drwa Imen konman standar-de-baz pou lavansman tou imen ek tou nasyon, avek bi ki sak endividi ek seksyon lasosyete a fer tou zot posib, atraver lansennyman ek ledikasyon, pou asir respe pou sa bann drwa ek sa bann liberte, e par bann mezir progresiv, nasyonal osi byen ki enternasyonal, pou garanti zot rekonnesans e laplikasyon par bann pep dan bann pei manm e osi dan bann teritwar ki anba zot kontrol.
~Lartik 1
Nou tou imen nou'n ne dan laliberte ek legalite, dan nou dignite ek nou bann drwa. Nou tou nou annan kapasite pou rezonnen, e fodre nou azir anver lezot avek en lespri fraternel.
~Lartik 2
Sakenn-de-nou ganny drwa zwir tou nou bann drwa ek nou bann liberte kiín ganny proklanmen dan sa Deklarasyon, san okenn kalite distenksyon, tel ki ras, kouler, langaz, larelizyon, lopinyon politik obyen lezot kalite lopinyon, ni pou rezon lorizin nasyonal obyen sosyal, ni popriyete, nesans obyen stati.
Anplis ki sa, okenn distenksyon pa devret ganny fer lo baz sitiasyon politik, ziridik obyen stati enternasyonal sa pei obyen sa teritwar kot en dimoun I sorti; pa devret fer oken diferans si sa pei obyen teritwar I endepandan obyen si I anba kontrol en lot leta, obyen si I annan okenn kalite restriksyon lo son souvrennte.
~Lartik 3
Sak dimoun annan drwa lavi, drwa laliberte ek drwa viv an sekirite.
~Lartik 4
Personn pa devret ganny trete konman lesklav obyen konman soubalter; lesklavaz e trafik lesklav pa permet dan okenn laform.
~Lartik 5
Personn pa devret ganny tortire, ni ganny trete dan okenn fason ki pa imen, ki kriel obyen degradan.
~Lartik 6
I en drwa sak dimoun pou ganny rekonnet, dan tou moman, konman en imen devan lalwa.
~Lartik 7
Nou tou nou egal devan lalwa, e san okenn diskriminasyon lalwa bezwen donn nou tou menm kalite proteksyon. Nou tou nou merit ganny proteksyon egal kont okenn diskriminasyon ki al kont sa Deklarasyon, osi kont tou provokasyon ki anfaver diskriminasyon.
~Lartik 8
Tou dimoun annan drwa anmenn son ka devan lotorite konpetan pou rod lazistis kont vyolasyon okenn drwa fondamantal ki ganny garanti dan konstitisyon obyen anba lalwa son pei.
~Lartik 9
Personn pa devret ganny arete, obyen ganny met an detansyon, obyen ganny anvoye an ekzile an bonnavini.
~Lartik 10
Tou dimoun annan egalite konplet pou ganny byen ekoute devan piblik par en lakour endepandan ki pa pran kote personn ler pou donn zizman lo son drwa obyen son lobligasyon, osi ler I konsern en sarz kriminel kiín ganny mete kont li.
~Lartik 11
1. Nenport dimoun ki ganny akize devan lalwa bezwen ganny konsidere konman inosan ziska ler I ganny trouve koupab dan en zizman piblik kot in ganny benefis tou bann garanti ki neseser pou son defans.
2. Personn pa devret ganny kondannen pou okenn aksyon obyen omisyon ki pa ti ganny konsidere konman en lofans devan lalwa nasyonal obyen enternasyonal ler lofans ti ganny konmet. Sa dimoun pa ni devret ganny en kondannasyon pli sever ki lalwa ti permet ler I ti konmet lofans.
~Lartik 12
Personn pa ganny drwa enterfer anbonnavini avek lavi prive en dimoun, son fanmiy, son lakaz, obyen son konrespondans, e ni menm atak son loner e son repitasyon. Tou dimoun bezwen ganny proteze par lalwa kont bann tel enterferans obyen latak.
~Lartik 13
1. Dan sak pei tou dimoun annan drwa sirkil avek liberte e annan osi drwa swazi kote I pou reste.
2. Tou dimoun annan drwa kit nenport pei, enkli son prop pei, e osi retourn dan son pei.
~Lartik 14
1. Ler I annan persekisyon, nenport dimoun I annan drwa al rod lazil e ganny aksepte dan en lot pei.
2. Sa drwa pa aplikab ler en dimoun pe ganny pourswiv dan ka kot napa nanrnyen pou fer avek politik, me plito en lakizasyon valab pou kas lalwa, obyen kot sa dimoun Iín azir kont bann lobzektif ek bann prensip Nasyon-z-Ini.
~Lartik 15
1. Tou dimoun annan drwa annan en nasyonalite.
2. Personn pa devret ganny arase son nasyonalite anbonnavini, ni ganny anpese sanz son nasyonalite.
~Lartik 16
1. Ler zot in ganny laz maryaz, en zonm ek en fanm zot annan drwa marye e konmans en fanmiy san okenn restriksyon ki annan pou fer avek zot ras, nasyonalite obyen larelizyon. Tou-le-de annan drwa egal pou marye, dan maryaz e osi ler maryaz in kase.
2. Maryaz ganny aranze ler zonm ek fanm tou-le-de zot Iín pran desizyon e donn konsantman dan laliberte total.
3. Lafanmiy se sa group de baz natirel e fondamantal la sosyete ki bezwen ganny proteksyon lasosyste ek leta.
~Lartik 17
1. Tousel obyen an group, tou dimoun ganny drwa annan posesyon.
2. Personn pa kapab ganny anpese annan posesyon san rezon valab.
~Lartik 18
Sak dimoun annan drwa laliberte lapanse, son konsyans ek larelizyon; sa drwa I osi permet li sanz son larelizyon obyen son krwayans, e osi donn li laliberte pou manifeste son larelizyon obyen son krwayans li tousel obyen an group, an prive obyen an piblik, swa par lansennyman, bann pratik, ladorasyon, obyen bann seremoni.
~Lartik 19
Sak dimoun I lib pou annan son lopinion e osi lib pou eksprim son lide, sa I permet li gard son lopinyon san okenn lenterferans, osi pou li rode, resevwar e pas lenformasyon ek bann lide atraver medya san okenn limitasyon.
~Lartik 20
1. Tou dimoun annan drwa ek laliberte pou rasanble e fer lorganizasyon pasifik.
2. Personn pa devret ganny forse vin manm dan okenn lorganizasyon.
~Lartik 21
1. Tou dimoun annan drwa partisip dan gouvernman son pei, swa direkteman oswa atraver bann reprezantan kiín ganny swazi dan en fason lib.
2. Tou dimoun annan drwa egal pou travay dan servis piblik son pei.
3. Lavolonte lepep se labaz lotorite gouvernman; sa volonte bezwen ganny eksprimen dan bann eleksyon ki ganny fer detanzantan kot tou dimoun annan drwa egal pou vote an sekre, obyen atraver en prosedir ki asire ki vote ganny fer dan en fason lib e onnet.
~Lartik 22
Konmam manm lasosyete, tou dimoun annan drwa sekirite sosyal, pou permet li ganny satisfaksyon son bann drwa ekonomik, sosyal e kiltirel ki apsoliman neseser pou son dignite e devlopman lib son personnalite. Sa I posib atraver zefor nasyonal ek korperasyon enternasyonal ki pran an konsiderasyon lorganizasyon ek resours sak pei.
~Lartik 23
1. Tou dimoun annan drwa travay e zot lib pou swazi en travay; zot osi annan drwa ganny bann kondisyon travay ki zis e favorab, osi pou ganny proteze ler napa travay.
2. Tou dimoun annan drwa, san okenn diskriminasyon, pou ganny peye en saler parey pou en louvraz parey.
3. Tou dimoun ki travay annan drwa ganny en lapey ekitab e satisfezan ki a permet li ek son fanmiy viv dan dinite e si neseser son lapey a ganny ranforsi par lezot mwayen proteksyon sosyal.
4. Nenport dimoun annan drwa form en linyon obyen vin manm en linyon pou defann son zentere.
~Lartik 24
Tou dimoun annan drwa repo ek lwazir, sirtou en limit rezonab zot kantite ler travay, e osi konze peye apre serten letan travay.
~Lartik 25
1. Tou dimoun annan drwa en nivo lavi konvenab pou asir son lasante, son byennet ek osi byennet son fanmiy; savedir manze, labiyrman, lozman, swen medikal ek lezot servis sosyal ki neseser. I osi annan drwa en mwayen sekirite ler i napa travay, anka maladi, envalidite, lanmor mari obyen fanm, lavyeyes obyen lezot ka kot en dimoun pa nobou ganny son lavi pou bann rezon andeor son kontrol.
2. Bann manman ek zot zanfan annan drwa ganny led ek lasistans sosyal. Tou zanfan, ki zot in ne dan maryaz obyen andeor maryaz, zot tou zot annan drwa ganny menm nivo proteksyon sosyal.
~Lartik 26
1. Tou dimoun annan drwa ganny ledikasyon. Ledikasyon devret gratwit, omwen ledikasyon elemanter e fondamantal. Ledikasyon elemanter devret obligatwar. Ledikasyon teknik ek profesyonel devret pou tou dimoun et ledikasyon avanse devret a laporte tou dimoun dapre zot merit.
2. Tou dimoun annan drwa ledikasyon pou met en avan son personnalite e pou renfors respe drwa imen e bann drwa fondamantal dans lasosyete. Ledikasyon i esansyel pou favoriz respe, latolerense ek lanmitye ant tou bann group ras e larelizyon e osi pou devlop bann aktivite Nasyon-z-ini pou lape.
3. Tou bann paran devret annan priyorite lo drwa soizir ki kalite ledikasyon y pou don son bann zanfan.
~Lartik 27
1. Tou dimoun annan drwa pou partisip avek liberte dan lavi kiltirel lakominote, pran plezir dan bann lar e osi partaz bann progre syantifik ek zot bann benefis.
2. Tou dimoun annan drwa proteksyon pou zot bann zentere moral e materyel an rezilta tou bann prodiksyon syantifik, literer obyen artistik ki zot Iín prodwi.
~Lartik 28
Tou dimoun merit en lord sosyal e enternasyonal kot nou bann drwa ek nou bann liberte, dapre sa kiín ekri dan sa Deklarasyon, a vin en realite konplet.
~Lartik 29
1. Tou dimoun annan bann devwar anver lakominote ki pou kapab permet devlopman lib e konplet nou personnalite.
2. Dan laplikasyon son bann drwa e dan zwisman son bann liberte, sak dimoun a ganny limite dapre lalwa selman pou asir rekonnesans ek respe bann drwa ek bann liberte lezot dimoun dan lamezir ki fodre asir dan en fason zis, lekzizans moral, lord piblik ek byennet zeneral dan en sosyete demokratik.
3. Sa bann drwa ek bann liberte pa devret zanmen ganny aplike kont bann bi e prensip Nasyon-z-Ini.
~Lartik 30
Napa narnyen dan sa Deklarasyon ki devret ganny enterprete komkwa en leta, an group obyen en dimoun annan en drwa kelkonk pou fer nenport ki aktivite obyen aksyon ki kapab detri bann drwa ek bann liberte kin ganny ekri ladan.