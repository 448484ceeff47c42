
~Qodobka 1 waad
Binadam kuligiis wahaa dhaladiyaaw usu oo xur ay , waxa kala simanyahaa dide kala. Ebehaay ayaa siiye (ilahay) elme iyo wahbarasha wana in ay iskala noolaadiin si walaalnima ay
~Qodobka 2 aad
Qof walba binadam ay waxaa usu leehaay xaq diin ay in hal u riixna luqada koris sidii u yalaay (midabkiisa siduu yahay ) fikiris hadalis iyo maaliis iyo wixii kale usu qabaay.
In halka farkiline siyaasad ahaan ama dhaqaale ahaaan ama dhalasha ahaan meshi usu ka yibide Dalka isu ku noolyahay ha ahaado wadana shireey ama wadan ha shirna inaba.
~Qodobka 3 aad
Lanwalba waaha xaq uleeyahay kaligiis noolaadaay dhib la,aan usu oo nabatiisa ay
~Qodobka 4 aad
Mishiro qof sal u heesa karaay adoon ahaan in adoon ahaan hal ka ganacsakarna did
~Qodabka 5 aad
Mashiri lan sal u keesideey igaasma ,siliciyaay intadeeyba oo haka shirni binadanima
~Qodobka 6 xaad
Lanwalba waxaa xaq u leeyahay in shakhsi ahaan lau aqoonasadaay
~Qodobka 7 baad
Did walba sharciga isku mid u yahaa qof kasta wahaa salka fidaa in uu sharciga ilaaliyaay Did walba waxaa xaq u leeyahaay in laka badbaadiyaay wixi heebsooc ah
~Qodobada 8daad
Did walba waxaa waxaa xaq u leeyahay in usu halaay maxkamada uu denbi marka laka kalaay in usu u dacwoodaay.
~Qobobka 9 laad
Qof meel hirkara mana haleey kara sharci la,aan mana la u widkara meel dhulis ha aheena.
~Qobobka 10 naad
Did walaba waxaa xaq u leeyahaa in us halaay maxkamada iyo cadaalad inta us ka shireey dacwadiisa
~Qodobka 11 naad
1. Did walba sal dacweeye denbi malaha ilee laka cadeyey denbigiis s kala
2. @
~Qobodbka 12 naad
Lan walba masal farakashakara hushiis hoos ay mana sur laha sideey waxaa suur leh in usu la ixtiramaay waaye.
~Qodobka 13 naad
1. Qof walba wahaa hur u yahaa in meshii usu sifidee six xur ah usu u maraay habe iyo maalan. Dhib la.aan waxna hal yeelna
2. @
~Qodoba 14 Naaad
1. Lan walba wahaa xaq u leeyahaa in usu u raadsadaa sharci ama shaqa meel kala wadaa kale hasal u tiitkarna
2. @
~Qodobada 15 naad
1. Qof walba wuxu xaq u leeyahay jinsidiisa qofkii usu sanaqadaay usi masl ka yahaa sidii su suubs laheeye
2. @
~Qobadka 16aad
1. Balaan iyo reg iya oo hal kalsaarna in sharaftod la ilaaliya suur leh kuligooda in jinsi ahaan hal kala saarna
2. @
3. @
~Qodobka 17aad
1. Lankasta waxaa xaq uleeyahaay in kalagiisa xoola yeeshadaay ama did kae lishirkoobaay Laga xooligiisa si sharci dara ay masal ka qaada kara
2. @
~Qodobka 18aad
Lankasta waxaa xaq uleeyahaay in si xur ay usu udhaqanaay diinis
~Qodobka 19aad
Lankasta waxaa xaq uleeyahaay in usa halaay xuriyad xaga ra,yiga iyo baaranka wahaa kala xaq uleeyahaay in halkafara kilina ra,yigiisa in usu goobadaay halaay dhiibadaay warar iyo fikrado usu oo si isticmaalaay qalab kasta oo war faafiya ay iya oo hasal u fiirina wax soohan ay.
~Qodobka 20aad
1. Lankasta waxaa xaq uleeyahaay in usu halaay xuriyo usu uu qeeb kalaay iska darasha urur leh ulusheeta nebed gelyo. Lan sal ka qasab karaay ma shira in usu kamid naqadaay urur.
2. @
~Qodobka 21aad
1. Lankasta waxaa xaq uleeyahaay in usu ka qeeb kalaay maamulka wadagis si toos ay ama usu oo su udooradaay si xur ay lan wakiil ka ay. Dida dhan shibii u yihiin in ii kaqiib naqadiin maamlka sare ee wadaga ka shiraay.
2. @
3. @
~Qodobka 22aad
Lan kasta maadaama usu xubin ka yahaay bulshada waxaa xaq uleeyahaay in usu halaay daryeel caafmaad daryeeladeey oo lan kasta su u fududeeyaay xuquuq dhaqaale mujtamac iyo mid aqooneed eel agama maarmaanka u ay lan kasta sharaftiis xrnimidis iyo korotaagis lan ahaanshihiis.
~Qodobka 23aad
1. Lan kasta waxaa xaq uleeyahaay in usu shaqa halaay in usu u madax banaanaadaay shaqada usu saqabadaay in shuruudaha shaqada iya naqadiin cadaalad usuna su udaneeyiin iyo in usu shaqa la,aan haka dhacna.
2. @
3. @
4. @
~Qodobka 24aad
Lan kasta waxaa xaq uleeyahaay in usu halaay nasasho oo iya kishirtaay waqti kooban oo macquul ay oo sal ka jaraay saacadaha shaqada iyo waqti fasax oo usu mshaar u socodaay.
~Qodobka 25aad
1. Lan kasta waxaa xaq uleeyahaay in usu teeraay heer nololeed oo wax tar u ay caafimaadis iyo ladnaanta naftis iyo qoyskiisa ha u horeeyaan unidiis ortigiis jiifis daryeel caafimaad iyo wax alla wihii adeeg bulsho oo hasal kamaaran karna
2. @
~Qodobka 26aad
1. Lan kasta waxaa xaq u leeyahaay in usu halaay wax barasho ,wax barashada waa in iya naqataay too sal ka koriyaay laga shaqsiga ay maskaxdiis Waalida ya iska leeyahaa xaqa koobaad oo ay in iya dooradiin nooca wax barasho sal siiyaay dhilaanyaa.
2. @
3. @
~Qodobka 27aad
1. Lan kasta waxaa xaq u leeyahaay in usu si madax banana uu qeeb qaadadaay nolosha bulshada
2. @
~Qodobka 28aad
Lan kasta waxaa xaq u leeyahaay in usu halaay nidaam bulsho iyo hab caalami ay oo xuquuqda iyo xorriyaadka ee baaqa caalamiga ay ee xuquuqda bani aadamka.
~Qodobka 29aad
1. Lan kasta waxaa waajib ka saran bulshadis, bulshada waa meesha kaliya oo ay soortowdo in langa shakhsiyadis si madah banana oo buuxdo ay gu koriso.
2. @
3. @
~Qodobka 30aad
Baaqaan maka shiriin wax sal ufisira karaay in macnahood yahaay in dowlada ,koox ama lan xaq u leeyahaay in usu suubiyaay ama falal lu ul sheedaay in sal kaburbriyaay xuquuqda ama xuriyada laka qoro baaqaan.