
~Isivumelwano
Abantu bonke bazalwa bekhululekile njalo belingana kumalungelo abo. Balesipho sikanembeza, ngakho bamele baphathane ngomoya otshengisa ubuhlobo lobunye.
~Isivumelwano 2
Wonke umuntu ulelungelo lokuthola inkululeko lamalungelo alotshwe kulesi sivumelwano hngokupheleleyo kunganakwa ubuhlobo, umbala, ukuthi uyindoda kumbe ngumfazi, ulimi, ukholo, ezimayelana lombangazwe, lenotho kanye lasipi lasiphi isimo phakathi kwabantu.
Njalo kakusoze kube lomahluko ekuphathweni kwabantu emthethweni loba ngowaliphi ilizwe loba yisiphi lesimo selizwe lapho umuntu avela khona - lanxa lelolizwe lizibusa kumbe libuswa ngelinye.
~Isivumelwano 3
Wonke umuntu ulelungelo lempilo, lelenkululeko lelenhlalakahle.
~Isivumelwano 4
Kakho umuntu ozakwenziwa isigqili, kumbe isithunjwa; ubugqili lokuthengisa izichaka kuzanqatshelwa ngazo zonke indlela.
~Isivumelwano 5
Akula muntu ozahlutshwa ahlukuluzwe loba aphathwe ngesihluku langendlela eyangisayo kumbe elocuku.
~Isivumelwano 6
Wonke umuntu ulelungelo emthethweni lokuphathwa njengomuntu.
~Isivumelwano 7
Bonke abantu bayalingana phambi komthetho, kungekho bandlululo. Abantu bonke bayavikelwa ekubandlululweni. Ubandlululo luvunyelwa yisivumelwano lesi njalo akuvunyelwa ukubasela ubandlululo.
~Isivumelwano 8
Omunye lomunye umuntu ulelungelo lokuvikelwa ngababusi lomthethwandaba uma kulezenzo ezephula amalungelo akhe asemthethweni.
~Isivumelwano 9
Akumelanga ukuthi umuntu abotshwe okungekho emthethweni, loba abotshwe mahlayana, loba axotshwe elizweni lakubo.
~Isivumelwano 10
Omunye lomunye umuntu ulelungelo lokuthi athoniselwe icala phambi kwenkundla ezimeleyo kumbe agwetshwe yinkundla engabandlululiyo ekuthetheni amacala.
~Isivumelwano 11
1. Omunye lomunye umuntu owetheswe icala ulelungelo lokuthi aphathwe njengomuntu ongela cala aze adliwe licala emthethwandaba. Kumele njalo aphiwe ithuba lokuthola umeli.
2. Kakho umuntu ongajeziswa emthethweni ngenxa yecala alenzayo uma icala leli lenziwa umthetho owenza lokho akwenzayo kube licala wawungekho ngaleso sikhathi. Isijeziso salelo cala akumelanga sedlule isijesiso esasifanele icala lelo umthetho omutsha ungakabekwa.
~Isivumelwano 12
Omunye lomunye umuntu ulelungelo lokuhlonitshwa - ubuntu bakhe, imuli yakhe, umuzi wakhe lezincwadi zakhe. Omunye lomunye umuntu kumele avikelwe ngumthetho ezintweni ezinje.
~Isivumelwano 13
1. Wonke umuntu ulelungelo lokuhamba lokuhlala kuwo wonke amazwe.
2. Wonke umuntu ulelungelo lokuthutha loba kuliphi ilizwe, ngitsho laselizweni lakhe, lelokubuyela elizweni lakhe.
~Isivumelwano 14
1. Wonke umuntu ulelungelo lokubalekela kwelinye ilizwe ukuze abe yisiphepheli khona nxa ehlutshwa elizweni lakubo.
2. Leli lungelo alikhululi umuntu obotshiweyo ngaphandle kokuba ebotshelwe izindaba zombangazwe kumbe okungavunyelwa ngaMazwe aManyaneyo.
~Isivumelwano 15
1. Wonke umuntu ulelungelo lokuba yisakhamuzi ezweni lakhe.
2. Kakho ongathathelwa ilungelo leli loba alelwe ukuba yisakhumuzi selinye ilizwe.
~Isivumelwano 16
1. Amadoda labafazi asebekhulilwe, balelungelo lokuthatha lokuthathwa babe lemizi yabo, kungenani ukuthiukholo lomuntu yiluphi lokuthi ungumhlobo bani. Balamalungelo alinganayo ekuthathaneni kwabo lasekwehlukaneniekeni kwaho.
2. Umendo kumele ubotshwe ngukuvumelana kwabathathanayo.
3. Imuli yisisekelo sezizwe, ngakho kumele isekelwe yizakhamizi languHulumende.
~Isivumelwano 17
1. Omunye lomunye ulelungelo lokuba lezimphala zakhe yedwa lokuba lezimpahla ndawonye labanye.
2. Kakho umuntu ongahluthunelwa indawo kanye lempahla engeyakhe.
~Isivumelwano 18
Omunye lomunye ulelungelo lokucabanga njengokuthanda kwakhe, lelokukhonza ngentando yakhe, ekhokhelwa ngunembaza wakhe. Leli lungelo lipha umuntu imvumo yokutshintsha ukholo lwakhe, lemvumo yokuthi yena yedwa kumbe elabanye atshengise ukholo lwakhe kumphakathi ngezenzo, ngokukhonza, ngokufundisa kunye Tokuziphatha kwakhe kunye lokufundisa ukholo lwakhe.
~Isivumelwano 19
Omunye lomunye ulelungelo lokukhuluma izifiso zakhe lokusengqondweni yakhe. Leli lungelo lipha umuntu inkululeko yokudinga lokwamukela lokwazisa akwaziyo lokusengqondweni yakhe ngayiphi layiphi indlela lakwamanye amazwe.
~Isivumelwano 20
1. Wonke umuntu ulelungelo lokumanyana kanye lokuhlangana labanye.
2. Akula muntu ozabanjwa ngamandla ukuthi abelilunga lenhlanganiso iphi layiphi.
~Isivumelwano 21
1. Omunye lomunye ulelungelo lokuphathisana lohulumende wakhe yena ngokwakhe kumbe amelwe ngabakhethiweyo.
2. Omunye lomunye ulelungelo loncedo lwelizwe lakhe.
3. Izifiso zabantu yizo okumele ziphe uhulumende amandla okubusa. Lezi zifiso zizatshengiswa lukhetho oluzakwenziwa ngezikhathi ezifaneleyo, oluzavumela njalo wonke umuntu ukukhetha ngendlela engasoze itshengise abanye ukuthi ukhethe bani.
~Isivumelwano 22
Omunye lomunye umuntu, njengesakhamuzi, ulelungelo lokusekelwa yilizwe lakhe lelokusuthiseka. Lokhu kuzavela ezenzweni zesizwe sakhe lasencedweni oluvela kwamanye amazwe, ukuze kuthuthukiswe amalungelo akhe empilweni lasemasikweni akhe ukuze kumlethele inhonipho lentuthuko yobuntu bakhe.
~Isivumelwano 23
1. Omunye lomunye ulelungelo lokusebenza lelokukhetha umsebenzi awufunayo, lelokuphathwa kuhle emsebenzini, lelokuncedwa nxa umsebenzi udingakala
2. Omunye lomunye ulelungelo lokwamukela imbandalo elingene lomsebenzi wakhe.
3. Wonke umuntu osebenzayo ulelungelo lokuthola imbadalo efaneleyo ezokwenza ukuthi yena labantwana bakhe bathole impilo lenhalakahle ehloniphekayo njengabantu, lelokusekelwa ngezinye izindlela.
4. Omunye lomunye ulelungelo lokuba lilunga lomhlangano wezisebenzi ukuze asekele izifiso zakhe.
~Isivumelwano 24
Omunye lomunye ulelungelo lokuthatha ikhefu engephulelwa imbadalo yakhe, njalo ulelungelo lokusebenza amahora angamanengi kakhulukazi.
~Isivumelwano 25
1. Omunye lomunye ulelungelo lempilo lenhlalakahle yakhe labantwana bakhe. Lokhu kuhlanganisa ukudla, izembatho, indawo yokuhlala kanye lempilo enhle, ukugcinwa kuhle uma engasebenzi. Lokhu kuhlanganisa abafelwaokazi, abadala, abalimeleyo labehlulekayo ukuzonga.
2. Ababelethileyo labantwana kumele bagcinwe njalo bancediswe. Abantwana bonke abazalelwe emendweni kumbe ngaphandle kwawo, kumele basekelwe ngokufanayo.
~Isivumelwano 26
1. Omunye lomunye ulelungelo lemfundo. Imfundo ayizukuba lembadalo, kusukela phansi kuze kufike esigabeni esithe thuthu. Imfundo ephansi (elementary) ngeyomuntu wonke, ngakho omunye lomunye uzabanjwa ngamandla ukuthi ayithole. Imfundo ephezulu yezandla (technical) lenye njalo eyolwazi olwehlukeneyo olwezigaba ezehlukeneyo kumele ibe khona, lemfundo ephakemeyo kumele itholwe yilabo abayifaneleyo ngolwazi abalalo.
2. Imfundo kuzamela ithuthukise ubuntu lokuhlonipha amalungelo obuntu lenkululeko engcweleyo. Kufanele ikhulise ukuzwelana, ukuzwisisa lobudlelwano phakathi kwezizwe zonke, kwemihlobo yonke lakwabenkonzo ezehlukeneyo, isekele njalo imisebenzi yeZizwe eziManyeneyo (UN) yokuletha ukuthula emhlabeni.
3. Abazali balelungelo lokukhetha imfundo yabantwana babo.
~Isivumelwano 27
1. Wonke umuntu ulelungelo lokumanyana labanye lokukhululeka ekuphathisaneni labanye kwezemvelo lakwezamasiko lelokuvuna kukho konke okuvezwa yizifundo zemvelo.
2. Omunye lomunye ulelungelo lokusekelwa empilweni yakhe lelokuqiniswa ebuntwini bakhe mayelana lokwemvelo lokwezombukiso.
~Isivumelwano 28
Umuntu munye lamunye ulelungelo lokuthola indawo lapha okuhlonitshwa lokugcinwa khona izimiso zezivumelwano lezi.
~Isivumelwano 29
1. Wonke umuntu ulemisebenzi okumele ayenze njengesakhamuzi okuyiyo ezagcwalisa ubuntu bakhe.
2. Kukho konke akwenzayo, uzakhokhelwa yikuhlonipha lokwethula ingowane yakhe kumalungelo abanye, ananzelele ukuqakatheka kombuso wabanengi (UN).
3. La amalungelo lenkululeko akumelanga kuphambane lezimiso zeZizwe eziManyaneyo.
~Izivumelwano 30
Akukho kuleziZivumelwano okungavumela umuntu loba abantu ukubhidliza amalungelo lenkululeko ezilotshwe lapha.