
~QODOB EK 1AAD
bani aadan kulisii gaam dhaliniyuu usoo horek hana simni hagay ete sharafeyl iyo xuquuq gaam (allah)disey aqoon iyo wacyi waana in midime degaa midihaana ildhaqme si walaal nama ak.
~QODOB EK 2AAD
Nam kasta gaamlihuu xuquuq hana talmaam niyaa baaqan isi oo aan lisa hasaarned hagay et qabiil midib wiile ama wiilaw o ek diineel siyaasa ama fikrad haqadey dhalashe ama miil et us ha dhaltey heelaa dhalashe ama xaalad hakadey.
Gaam hadey oo aan hayaalawisney lisi saaraal ilha saawsin aran dhaa harka siyaasil xukun ama xaal caalami oo ilsokne yen ama yal oo mide ek hadhal tey yaatis yenaasii huu midi biin huu wulu dowlad hakadey maamulte siyaasi huu haheshinet xukun haket ama haheshened gobonimo yib en.
~QODOB EK 3AAD
Nam kasta gaam xaq his lihuu nolol, iyo hor nimo iyo nawyigele
~QODOB EK 4AAD
Miiri mide his heeshdhaa karniyaa adoon,adoonse iyo haganacsidhaal adoon taan hamod nehee een kaste hayootaa
~QODOB EK 5AAD
Miire mide hisweydhaa karniyooraa silic legeddhe ama ciqaab habisne bini aadam namaa
~QODOB EK 6AAD
Nam kasta gaam xaq hislihuu in his aqoon sadaa , miil walbe oo yere mide namaa,
~QODOB EK 7AAD
Yed eke oo kulisii hisimni sharca gaam xaq his lihuu , usiyaa sey oo lisi hasaarned in sharce dhuru, yedee oo kulu gaam xaq hislihuu si simne his bad baadshaa wuli ek ilaahey lisi saare oo ha hardhe jeene baaqan ama dhirnaawshaal karniyoora lisi saaraal,
~QODOB EK 8AAD
Nam kasta gaam xaq hislihuu in us hale maxkamad dhaa ha huul lihi yalaasii gowna dham ek hon his gefaa ququuq usu ek oo dastuur ama sharce jisey,
~QODOB EK 9AAD
Midime yed his he aa karnimiiraa, yed his heeshaa karnimiire ama yed his musaafurshaa karnimiire si sharci darek.
~QODOB EK 10AAD
Nam kasta gaam xaq his lihuu semnaate yimene maxkamad caadil ak hardhaasii hon woyniyooraa xuquuqasii iyo waajibaadasii iyo hon dugtere in his heeshtaa dacwa ciqaab ak,
~QODOB EK 11AAD.
1. Nam kasta dacwad ha oogyabin gaam xaq yes lehee in yes ciqaaba in is eke Dembi la aan ilaa demba ha cayaawshiyaba in is eke dembiili sig sharci qabo ilaa ha dhawaaqda maxkamad yede yes forne ee eedansandhaa yes ogaaladin damaanadh dhaa laga maarmaanka yes eke difaacadaasi.
2. Nam yad saarnaa karnimeeri dhaw hadhaltay ficil Ama ficil la aati waligaa hon aad wultay hon aadan ha wulnag good at sharci yalhuuna yalag aduunya aatanag Dembi waqti galan siga oo kale Dembilaha yed saarna Karni meeri ciqaab adka seg yed degsanaawtay fal ek Dembi ahee Mar ek galin.
~QODOB EK 12AAD.
Qofna sig sharci darrag yed fargelishaa Karni meeri arrimdhaa yes gaar ak ,qosaas ,heraasi Ama warqad dhaaskes seg oo kale yed dhawaca karni meeri sharaftis Ama sumadaasi .mid waliba walina xaq is leh in sharci Haasa yes gala fargelin edee iyo dhawacaasi.
~QODOB EK 13AAD.
1. Nam kasta welina xaq es leh si xornima yes del dareera yes Hasa yalkasta.
2. Nam kasta walina xaq es leh in Hadhuufa yalkasta oo il yar yalhookis yes nadhaa yoota.
~QODOB EK 14AAD.
1. Nam kasta walina xaq yes leh yel haday Kuwaasha magal gelyo siyaasadeed Asago ha bisdhaasha cadaadis.
2. Xaqa horka ha xusna yed il dooda karni meeri hun cadaadis eko mid dhab Ahaan ha dhaltay Dembi siyaasad in xiriirnag Ama fal ha Hardha jiyaatana ulajeedi dhidaa iyo mabaadiida qaramada midoobay.
~QODOB EK 15AAD.
1. Nam kasta welina xaq is Leh jinsiyad.
2. Qofna si sharci Darrag yed xaqaad Karni meeri jinsiyadiisa ,yes diida Karni meeri xaqaas in jisyadiisa badelta.
~QODOB EK 16AAD.
1. Wiilaw iyo hudhasta qaan gaar ag ,usu oo yedna hala bisneg xaga Dhali ahaan iyo qowmiyada ,welinag xaq yes Leh in uu gursadaan oo hiir Abuuraan , yed semna xaq hasaabsan Heeree ,Mudd eg xiriir aroosada dareeraash iyo mar xiriire hiimtada.
2. Guuree waqti us dug eraa karniyar Marka ag helaan Rabitaan umugna oo si xor ah lama mid Asa gursadhaal jamaasha.
3. Qoysku waa unnuga saldhiga u ah Bulsho , welina xaq yes Leh in dowladhis iyo mujtamacaash bad badshaa.
~QODOB EK 17AAD.
1. Nam kasta welina xaq yes Leh in balidis heela yes lahaado ama Nam caqaday heela Shirka kula yaata.
2. Qof kasta helaakis sharci darro haqaadan Karni meeri.
~QODOD EK 18AAD.
Nam kasta welina xaq yes Leh in si xor eg yes dhaqmo diintiis.
~QODOB EK 19AAD.
Mid waliba welina xaq yes Leh in us hela xornimo xaga ra,yiga iyo kodaas ;welinag xaq haday yes Leh in us Yedba ha farhayaan hakarnag ra,yigiisa iyo in uu kowta ,hela ,dhuwta warar iyo fikirdhaa oso oo isticmaalaasha qalab kasta warbaahin ah oso Yedba yes hadhokonag ama yedba xayiraal hakar nag wax sohandhaa.
~QODOB EK 20AAD.
1. Mid weli welina xaq yes Leh in us helo xornimo oo ha qayb gele asa -shiyaal iyo urur leh ulajeeda Nawya-gela Leh.
2. Nam yed qasab karnimiiri in ha mid noqdo urur.
~QODOB EK 21AAD.
1. Nam kasta gaam xaq yes leh in haqiib gala maamul yalka si toos ek Ama ese oo si xor eke yes doraniyera lam ha wakiil eg.
2. Yeda dhamaantiisa gaam ye semin in haqiib galaa maamulka eke sare yal hayar.
3. Yeda jamaalash gaameyo saldhig Awood dowlaa ,jamaal ehee gaam ha muujisniyaa dorashooyin homoka duganid waqti jogta ,yed dhan Ha qayb gelniyaa yesna duga eniya qaab aarna Ama qaab haday welina ha doranaya xor ek
~QODOB EK 22AAD.
Nam kasta madaama xubin ha ek bulsha gaam xaq is lih in hela cafimaad ,daryeel cafimaad ,daryeel eheey gaam nam kasta yes ehaawisnee xuquuq dhaqaal ,mujtamac iyo mid Aqooneyd laga maar - maan yes Ek Nama sharafaas xornimadiis wenadhaal iyo yednimadiisa. Ehee ha ootanad dadaal dala iyo walis hasal qowdhashaal caalami isa oo ha ejinaya nidaam ila dhaqale dowlad kasta.
~QODOB EK 23AAD.
1. Nam kasta gaam xaq yes leh in shaqo hela ,in yes mida biinaada dorasha shaqad et isa qowaash , in shuruudh dhaa shaqa yaata harme cadaalad il hoosan, isana yes daneysiniya iyo in shaqa la,aata ha dug ened.
2. Nam kasta , yedee Lisa ha bisneda ,gaam xaq yes leh in hela mishaar il me aka yed Lam xaqadey Asa shaqa mee qowaasha.
3. Namag shaqeyshaasha gaam xaq yes leh in isa hala mishaar weli yastarniyar,waana ha felna si asa hanuulaada isi iyo hiraas .waana in wali hakaba hon yes baahada daryeel haqadee.
4. Nam kasta gaam xaq yes lihi in Abuuro urur Ama ina habiira urur yeray si yes ilaalsha danaase.
~QODOB EK 24AAD.
Nam kasta gaam xaq yes lihi uuftardhaal il yar waqti arba macquul eka oo hakoda sacad eta shaqaa iyo xiliyo fasax oo mishaar yes dareerni.
~QODOB EK 25AAD.
1. Nam kasta gaam xaq yes lihi in esa daqa heer nolaleed oo wax tar yes lihi cafimaadaas iyo egar eke naftiisa iyo eta hiraas ,oo yes herdhi yer wanjel ,edan ,min ,dareeyeel cafimaad ,weli kasta Adeeg bulsha ak oo yed hamaar maan karnid. Gaam haday xaq yes lihi in esa hala daryeel hon isa hatoota shaqa la,aata ,jardha ,tagal,yawaal ,hartiyaata ama dhibaatooyin xaqadee oo isa hashaqeysaa karnid.
2. ii eta omol ak iyo ciyaaldhaagis gam xaq yes lihi in isa helaa xanaani iyo kaalma gaar ak. Ciyaaldha dhan ,hon hadhalta Ama hon ha dhalanag meher gaam xaq yes lihi xanaan asa me ag.
~QODOB EK 26AAD.
1. Nam kasta gaam xaq yes lihi inis hela Wali barasha .waloo barasha besa la,aatag ,uga yaraan heerka dugsiyada hakidh iyo Heer asaasiga ah .walu barasha dugsiyada hakidh Waa Khasab. walu barasha farsama iyo midda xirfad inay isyaata Wala helaa, tacliin horki sidaag maaki in yes furnaato yedee dhan.
2. Wula barashaa in Estaata tu hakobcisniyaa shaqsiyad lama waana HA xoojisniyaa Xuquuq yadaa iyo Xoriyad Asaasag.
3. Walabarasha waa in istaata tu walu hatarnag Asa fahmaal ,Asal dulqaadaal iyo Beelnima hadhexeeshta yeda Lisa jinsi diin Ak ,waa in Is Adkaawsta Huul Et Qarama midoowga Ee Aka sugaalas Nabadgelye.
4. Walid Yaa Asa lihi xaq Ek yes hardher yer oo Aka in isa doorta Nucee Et wala Barasha ciyaaldhaakis Lisa dhesniya.
~QODOB EK 27AAD.
1. Nam kasta Gaam Xaq yes lihi in si mida biina Es Ha qayb qata Hiddaha Nolaleed Ee bulsha ,in Ha fa,ideysta farashaxka,in Ha qayb gala Hormarshaal Cilmi Ha,faa,ideys dhaal.
2. Nam kasta Gaam xaq yes lehi in difaaca Danaas Eta maad iyo Eta macnawi Hadhaldhaa walu Ek Abuuray Xagey Cilmi sugaan iyo farshaxan.
~QODOB EK 28 AAD.
nam kas gaam Xaq yes lihi in Esa hela Nidaam Bulsh iyo Hab Caalamiga Ek xuquqda iyo Xoriyaa Ha tilmaaman Baaq Ek si Buuxda hadhaqangalshaan karniya. Baaq Ek Calamiyag Xuquuq Yada 7
~QODOB EK 29AAD.
1. Naam Kasta Gaam Hasarna Yedaas wajibaad ,Bulsha gaamay kodhaad oo hasuurtownid in lama shaqsiyadiisa si midi beena oo Si omogna hakobacnid.
2. Marka Nam Goddhaash xuquuqaas iyo Xoriyadaase Gaam Heniyoow weli sharci hareebay Esa u jeeda Eka Aqoonsi iyo Dhuraal Xuquuq Aadana Iyo Xoriyad yad Xaqadee in dhura sigaagi maadi Anshax,Nabadgeliyaa iyo wanaag Ek Guud Ee mujtimaca Dimuqraadiga Ek
3. Xuquuq iyo Xoriyad Horka Ha xusna Yes isticmaala karni meera si Ha hardha otanid ula jeeda iyo mabaadii Ek Qaramada midow.
~QODOB EK 30AAD.
Baaq Ek ilmiraa Wula yes fasiraa karniyaa in micnigiisa Ek Dowladd ,koox Ama nam Xaq yes lihi in Esa yalaawsha Fal Ama Falal Yes Jeeda in haborborshaa xuquuqda iyo Xoriyad il dhegna baaq Ek.