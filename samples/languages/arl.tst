
~Taricua pa Niishishano 1
Paa niishiyani: puetunu pajaniyajanaa cartesano quiniu paniyani maninia pa quinuria. Paa maninia jiitiasano quiniu paniyani. Paa juhuajaniya quiniu paniyani. Maja pa miaquetoonu paniniu. Pocua naa quiri paa jaara rerequeteyaquiri tamasaca, paa jaara mariyata maninia miitioya puetunujuanaa.
~Taricua pa Niishishano 2
Paa niishiyani: pueya jaara jiyaniquiaari tamasaca pueya maja maninia miishiya juhua narta pueya, nojori jiyanohua sesa na miiquiaari. Maninia pueyari shiriiquirii na niishishacari taa naquiya miishariquiaa tamasaca pueya. Pueya jaara sesa niishiyajaa naa, maja pa naata quiniu maninia mijiria. Jiyocua pa quishacari, pajaniya juhuajaniya quiniu paniyani. Paa cartesano quiniu paniyapa sequenura casaa pa sequenu paniyani, pa shipininiapa tojiniuria taa pa niishiyani. Paa cartesano quiniu paniyani pa puerenuucuaji, pa miaajenuucuajinio.
~Taricua pa Niishishano 3
Paa niishiyani: pueya cuaara maninia jiitiasaaria maninia rootasanota pueya mariqui miaquetooreeri tamonu jaara sesa na jiitiaa, mariyata pueya jaara maja na naata na panishano masenu.
Paa niishiyani: pueya cuaara jiyano¿tioora tamonu jiyajinia quiniaa, juhuajaniya pa quiniuria jiyocua.
~Taricua pa Niishishano 4
Paa niishiyani: puetunu pajaniyajanaa pa rupuetoosano jiyacajinijinio tari naajioquiaari pa niishishano naatej: -Puetunu pueyanojuanaa mariyata maninia jiitiashiya. Maja rerequeteshiya tamonu. Maja jatashiya tamonu juhua najuhuana quijia. Maajipohua cuaara miishaaria maninia mariyata taa canuu maninia miishiyacuaani. Paa mariyata sequequiaari: -Pa poonijiore socua maninia pa quiniuria puetunujuanaa, socua casamiriacara pa quiniuriajuhua, socua cartesano pa quiniuriajuhuaj.
~Taricua pa Niishishano 5
Paa niishiyani: puetunu jiyaniijiajanaari pa rupuetoosano jiyacajinijinio sequeree na pueya niishitiojonutaniya pa sequesano nojori tojiniuria maninia, maja na soonuucuaji.
Paa niishiyani: Noojiaqueya pueya niishiyaquishacari pa sequesano maja pa naata maninia miiniu puetunu pa sequesanojuanaa nio naajiojuajinia.
~Taricua pa Niishishano 6
Naaratej:
Puetunu canaaj anaa canaa rerej osacari sequereeni:
Nio canaa naaj iosanoori puetunu pueyapueecuarajanaa quiya puetunu jiyacajiniajanaa pueya niishiniuria taa pa jiitianu panishiyani. Puetunu pueyajanaa cuaara niishitiojoora narta pueya nojori tojiniuria nio. Maja na soonu. Nia numaama nia racatare canaa sequesano maninia nia niishitiojonura tamasaca. Jiyaniijianucua cuaara sequeera taa miishiyani na jiyajinia pueya tojiniuria canaa sequesano. Cuaara niishitiojosaaria puetunu na pueyajanaa, mariyata cante tamonu jiyajinia quiya na jiitiasano pueyajinijinio. Naarate canaa naa sequereeni:
~Sequesano 1.
Pueyano pa quishacari, puetunu pajaniyajanaa mariyata miishiya maninia, maja sooshiya tamonu. Puetunu pueyajanaari niishitiajaraca, jiuujiaaracanio pueyacua pa taraajenura. Naarate maninia pa jiyanootioore juhua pa tapueyocuaca.
~Sequesano 2.
Puetunu pueyajanaa mariyata maninia miishiya taa canaa sequereeni. Maja rimiajata miishiya tamonu. Tahue na quishacari, naajaa. Tamueca na cuaqueyani, naajaa. Caya, maaji soj, naajaa. Tamaatia rupaaraca, naajaa. Taa na tojiya na Pueyasoni, naajaa. Cante tamaatia jiitianu paniyani, naajaa. Tamaatia na quiniu, naajaa. Tamonu pueyano na quishacari, naajaa. Panishano pueyano, soosano pueyano soj, naajaa. Casamiriaca, casamiijiu soj, naajaa. Jiyaniijia na que, poontijiotasusano na que, naajaa. Tamaatia na quishacari, naajaa.
Mariyata puetunu maninia miishiyajanaa cante tamonu jiyajinijinio quiyani. Na jiya jaara tama na jiyaniijiaracajaaja, maninia. Na jiya jaara tamonu jiyajiniji jiitiasaaree, naajaa. Na jiya jaara shocotasaarucua miaquetoosacari, naajaa. Naacuajiti, taa na jiya quiyani, naajaa. Na camaru mariyata maninia miishiya taa canaa sequeyacuajaani nio naajiojuajiniani.
~Sequesano 3.
Puetunu pueyajanaa cuaara rishiiria. Maja moshiya tamonu najuhuana. Puetunu pueyajanaa cuaara quiiria cartesano. Maja quiashiya tamonu pueya serura na quiniuria. Puetunu pueyajanaa cuaara juhuajaniya quiiria. Maja naquiya miishiya tamonu.
~Sequesano 4.
Tamonu cuaara jiitiaaquiiria quiasano pueyano na serura. Maja poontijioshiya tamonu najuhuana.
~Sequesano 5.
Maja saniniujiushiya tamonu naquiya na miishacarina sequenura juucua. Mariyata sesa miijia maja saniitioshiya puera naquiya na miishacari juhua nareja casaa. Maja sesa miishiya juhua sare. Pueyano, parta pueyano.
~Sequesano 6.
Pueyano jaara tamonu jiyajinia rucuanejiya, teyuno jiyajinia na quiyani, naajaa, mariyata maninia miishiya taa canaa sequeyacuajaani. Tamonu jaara sesa na miirii, na camaru tonujusacari saniniujiunia niquiara, cuno cuaara tojiirianoo.
~Sequesano 7.
Pueyano jaara sesa miishaaree, na naata saniniuj junia niquiara tonujunu sesa miiniaacuara. Pueyano jaara najuhuana quijia quirii, cante sesa miishaareni, naajaa. Puetunu pueyajanaa cuaara cojuasaaria maninia taa canaa sequeyacuajaani.
~Sequesano 8.
Puetunu pueyajanaa naata saniniujiunia niquiara tonujunu tamonuucuara, tamonu jaara sesa na miirii. Saniniujiunia cuaara namiiria nera maninia na quiniuhuara.
~Sequesano 9.
Maja quiashiya pueyano najuhuana, sesa na miyaquishacari. Maja nujuatejoshiya najuhuana. Maja taanuujushiya na jiyajiniji najuhuana.
~Sequesano 10.
Pueyano jaara saquiriojotassaree, maja ritia saniitioshiya. Cuaara saniniujiushaaria narta pueya niquiara, saniniujiunia niishiniuria seetanutejanaa sesa miirii, maja soj.
~Sequesano 11.
1. Pueyano jaara saquiriojotasaaree, cuno cuaara sequesaaria maninia miijia jaara saniniujiushiya jaatij ia. Na saniniuj iushacari cuaara nequesoreetasaaria suraatia, seetanujuanaa niishiniuria maninia, sesa soj. Maja najuhuana sequeshiya sesa pueyano.
2. Maja saniitioshiya pueyano na miishanoocuaji, jiyaniijia sequesano quiyaquishacari na miishacari. Jiyaniijia naasucua na nuhuaji sequeya: -Maja naate pa miiniu. Saaja cante sesa miya jiyaniijia sequenu nuhuaji, nojuaja cutaraari saniitioshiya. Saaja saniitioshiya taa naajiosano quiya sesa na miishacari. Maja socua jiyanohua saniitioshiya taa rootasano quiya na miiniu nuhuaji.
~Sequesano 12.
Juhuajaniya pa quishacari, maninia pa miishacari, maja pa taajeteshiya. Maja pa tapueyocuaca taajeteshiya. Maja tamonu pa tiajinia tiuquiniu najuhuana na taajetenura pajaniya. Maja pa sesacashiya najuhuana. Maja pa pohuatashiya sapojonuta pueya niquiara. Paa jaara naa sesa miishaareni, cuaara pohuatasaaria saniniujiunia pocua naminiuria.
~Sequesano 13.
1. Cante na jiyajinia rucuanejonu paniyani, cuaara rucuanejoora. Naajuhuaj, na naata pacunu tee na paniyani. Maj a tarinitianishiya.
2. Cante tamonu jiyajinia rucuanejonu paniyani, cuaara rucuanejoora. Na quianu panishacariuhua tama na jiyajiniajaaja, maja tarinitianishiya.
~Sequesano 14.
1. Cante naquiya miishaariquiaa na jiyajiniani, na naata tamonu jiyajinia pacunu juhuajaniya na quiniuria.
2. Socua cante seetanujuanaa sesa miiriquiaa, cuno saniniujiushiya tama na jiyajiniajaaja. Maja na naata pacunu tamonu jiyajinia.
~Sequesano 15.
1. Puetunu pueyajanaa na naata na panishano jiya pueyanora quiniu.
2. Maja Peru jiyajinia rasano najuhuana sequeshiya: -Maja Peruano quiajaniya. Naajaa, cante tamonu jiya pueyanora quiniu paniyani, na naata naa miiniutej.
~Sequesano 16.
1. Mashaja, niyacoo naata caminiu. Neyacarano, niquiurano jaara tamonu pueya quiya, naajaa. Jaara tamonu jiyajinijinio na quiniu, naajaa. Jaara tamaatia tojiya Pueyaso, naajaa. Cuaara camiiaria na panishacari. Naajuhuaj, na naata muerasuracara quiniu na panishacari. Maja tarinitianishiya. Caya, maaji mariyata maninia miishiya, mariyata cojuashiya sesa miishanoocuaji taa canaa sequeyacuajaani. Mariyata miishiya canaa sequesano pueya caminiu panishacari, camishano na quishacarinio, mariyata na cartesacari, jaara cartesaaree.
2. Cuaara camiiria na panishacari saaja. Caya panishacari, mariyata maaji panishacari. Maja camitishiya tamonu na paniyaquishacari.
3. Puetunu jiyajiniajanaa quiya queraatia tapueyocuaca. Tapueyocuaca jaara maninia quiya puetunu jiyajiniajanaa, pa jiya cutara maninia quiniutianiya. Naarate tapueyocuaca cojuashiya. Jiyaniijia cuaara cojuaara camishano pueya maninia nojori quiniuria na muerasuta.
~Sequesano 17.
1. Cante jiya camarnu quiyani, maninia. Cante tamajaaja jiitianu paniya na jiyani, maninia. Cante narta pueyata na jiya jiitianu paniyani, maninia.
2. Maja pueyano jiya riutiocoshiya nocuaji najuhuana.
~Sequesano 18.
Puetunu pueyajanaa na naata niishiriojonu taa na paniyani. Maja miitishiya sesa na miiniu na jiyanishano. Maja tarinitianishiya na miiniuucuaji na jiyanishano maninia na miiniu. Naacuajiti cuaara tojitishiiria Pueyaso taa na niishiyani. Pueyano jaara sequeya: -Maja cua niishiniu quiriquiaa. Janiya sesa tojiriquiaa Pueyasoni, cuno na naata cartenu tari na niishishano tamaatia na tojiniuria Pueyaso taa na paniyani. Cuaara cartesaaria pueya na Pueyaso panishano na miiniuria tamajaaja, na tapueyocuacatanio. Maja tarnitianishiya na niishitiojosacari pueya niquiara, na secojosacari Pueyasonio, na rerej osacarinio, na jaaquejosacarinio.
~Sequesano 19.
Puetunu pueyajanaa na naata niishiriojonu taa na paniyani. Na naata pohuatanu na niishishano. Maja taajeteshiya. Maja sanaajatashiya. Na naata socua niishishano masenu tiji socua niishishano quiyani. Mariyata na naata na pacunu socua pueya niquiara taa na paniyani; naajioneequeta, radiota, pocuanuta, naajaa. Na naata na niishiniu panishano masenu tamonu jiyajiniji. Mariyata na naata na pohuatanu panishano pohuatanu tamonu jiyacajiniara.
~Sequesano 20.
1. Pa naata rerejonu pa tapueyocuacata juhuajaniya pa quishacari. Pa naata rupuetoonu canta pa paniyani.
2. Cante maja tamonu maapue tapueyocuacara quiniu paniyani, cuno maja rupueteshiya na paniyaquishacari.
~Sequesano 21.
1. Pa jiya jiyaniijia pa saquiriojosacari, puetunu pueyajanaa cuaara naajioora cante na paniyani jiyaniijiara jyatesocoriquiano. Naa niishishante teyanote socua pueya panishanoni. Socua panishano jiyateshiya jiyaniijiara. Pueya cuaara naajioora na jiyaniijiaacuara na sequenura manina na jiitianura pajaniya.
2. Pa jiya jiitiasano casami pueyara, puetunu pajaniyarajanaa quiya. Maja jatashiya tamonu.
3. Pueya panishano pueya cuaara jiyatesaaria jiyaniijianucuara. Jiyaniij ianucua cuaara saquiriojosaaria sequeyarucua. Maja panishano pueyaracanu tamonu jiitianura pajaniya. Na nuhuaji pueya cuaara saquiriojonuhuara socua nojuaja, tamonu soj, cante socua panishanoni pa jiyaniijiara. Jiyaniij iara saquiriojonura, pueya cuaara naajioora jiyasohuaja cante na paniyani, paa mariqui puerereeri sequenura pueya niquiara.
~Sequesano 22.
Puetunu parta pueyajanaa cuaara jiitiasaaria maninia, juhuajaniya quijiara pa quiniuria, niishijiara pa quiniurianio, maja najuhuana quijiara paquiniuria. Naarate puetunu jiyajiniajanaa cuaara miishaaria maninia na pueyara taa na naatani. Naacuajitij, cante maja na naata na panishano masenu tamajaaja, na jiyaniijia cuaara niquitiora na panishano jaara na naata na niquitionu. Tamasaca jiyaca cuaara cumaquiiria casamiijiu jiyajinia quiniaa.
~Sequesano 23.
1. Cante poonijionu paniyani, cuaara poontijiosaaria. Pueya cuaara saquiriojoora tamajaaja canra na poonijionu paniyani. Poontijiona cuaara jiitiaara maninia na poontijiosano pueya. Maja poontijioshiya tii naquiya miishaanutaniya. Cuaara poontijiosaaria puetunu pueyajanaa na panishano na masenura.
2. Puetunu poontijiosanojuanaa cuaara niquitiosaaria mariyata, pueya jaara mariyata miiriquiaa. Maja socua shiitianiyojua niquitioshiya tamonu naj uhuana.
3. Puetunu poontijiosanaajanaa cuaara niquitiosaaria taricuaja na tapueyocuaca panishanona masenura juhuajaniya na quiniuria. Jiyaniijia cuaara niquiiria cante maja na naata na panishano masenu na poonijiosano samijiniji.
4. Poontijiosanaa na naata narta tapueyocuaca rupuetoonu na camaru nojori sequenura jatiqui, na tojitiniuria na sequenu na panishano.
~Sequesano 24.
Poontijiona cuaara samaateniiria na pueya. Maja poontijioshiya pueya juuca, niucuanio. Puetunu marijiarajanaa poontij iosanaa tarnitianishiya nojori camuenujunura una semana, socua naasucua, nareja naquiniuria. Jiyacari na poonijiyaquishacari inti niquitioshiya mariyata, na panishano na masenura.
~Sequesano 25.
1. Puetunu poonijionaa cuaara niquitiosaaria taricuaja na panishano na masenura, maninia na quiniuria na tapueyocuacata. Naacuajiti na naata jiitianu na miajajau, na toqueyanio, na tianio, na narajotajanio, socua na panishanonio. Nera pueyaracaanu racatashiyajuhua shiitianiyojua intis maninia na quiniuriaja na poonijiyaquishacari, cusosu na quishacarinio, maja na naata na poonijiosacarinio, necocua mashiquio quishacarinio. Mariyata racatashiya nera niquitiosocoriquiano jaara maja na naata poonijionu quiniu, tama casaaranio.
2. Socua maninia cojuashiya maaji mueyaraca na quishacari, manajaraca na quishacarijiuhya. Puetunu naatujoorijianaa cuaara jiitiasaaria maninia. Cante queyaraca, cante saa maaji rasanojua, naajaa, mariyata maninia cojuashiya.
~Sequesano 26.
1. Cante serojonu niishiniu paniyani, cuaara niishitiojosaaria. Maja intis na niquitionu na serojotenu sami primariajinia. Puetunu naatujoorijianaa serojoteshiya. Cante socua niishiniu paniyani primaria nuhuaji, cuaara tiuquitiaara tamonu escuelajinia tii na niishiniu panishano niishitiojoshiyani. Tiuquitishiya puetunu pueyajanaa, na panishacari. Pueyano jaara queraatia niishiya socua niishitiojosaanutaniya.
2. Niishitiojonaa cuaara niishitiojoora na muerasu maninia pueyara nojori qúiniuria, maja saaja naserojonura. Niishitiojoshiya maja pueya na rerequetenura, maja sesa na miiniuria, nio naajiojuajinia. rootasano na tojiniuriajuhuaj. Cuaara niishitiojoora puetunu pueyajanaa maninia rupuetoonura, maninia j iuuj iaatioonura, maninia tarajanura tamasaca pueya, tahue tamonu jiyajinijinio, mariyata cante maja Pueyaso tojiniu taa pa tojiquiaa Pueyasocuani. Cuaara niishitiojoorajuhua maninia pa rupuetoosano jiyaca pa cumaquiniuria juhuajaniya pa quiniuria. Maja pa miaquetoonura.
3. Naatujoori queya na naata saquiriojonu teyano escuelate socua maninia na muerasura, na muerasu cuaara niishitiojosaaria taa na queya paniyani.
~Sequesano 27.
1. Maja juhua taanuujusaanura jiyateshiya pueyano narta pueyata rerejonuucuaji shuquiriaatia pa quishacari. Maninia casaa jaara quiri pueyara, cuaara quiiria puetunu pueyarajanaa shuquiriaatia pa quiniuria puetunu maniniajanaa. Maja jatashiya tamonu najuhuanaj.
2. Pueya jaara quiari casaa shipiniri, tama na niishiriojosanojuaaja naajioree soj, casaa naariijiuhuaj, tamonu cuaara sequeyaquiiria: -Cua shipinishano. Janiya na camaru. Tamonu cuaara nohuaseyaquiiria na camaru niishishano tamajaaja na pacunura intisra. Na camarujuaaja cuaara niquitiosaaria intis na niishishanoocuara. Nohuasejojua saniitioshiya.
~Sequesano 28.
Puetunu pueyajanaa cuaara jiitiasaaria maninia, shuquiriaatia pa quiniuria puetunu maniniajanaa taa canaa sequeyacuajaani nio naajiojuajiniani.
~Sequesano 29.
1. Puetunu pueyajanaa cuaara miiria na niishishano, maninia na tiacajinia quiniaa quiniuria. Saa pa miishacari puetunu pa niishishanojuanaa pocua socua maninia pueyara quirini.
2. Pueya cuaara miiria puetunu na miiniu panishanojuanaa. Nareja maja pa tojiyaquiniu pa jiyaniijia rootasano, paa mariqui taajetereeri parta pueya. Na rootasano quiya parta pueya cojuasaanura sesa na miiniuucuaji tamonu. Na rootasano mariyata niishitiojiya pajaniya maja sesa miijia pa quiniuria, mariyata juhuajaniya pa quiniuria jatiqui puetunu pueyatajiniajanaa, mariyata socua maninia puetunu pueya quiniuriajanaa, maja saaja seca pueyaja shuquiriaatia quiniuria.
3. Naajuhuaj, pa miishacari pa miiniu panishano, maja pa niyajetanu canaa rootasano nio naajiojuajinia pa rupuetoosano jiyaca pueya maninia quiniuria puetunuj uanaa.
~Sequesano 30.
Maja capa serojoshiya canaa sequesano nio naajiojuajinia. Cante jiyaniya na naata nocuaji patanu canaa sequesano, cuno sesa niishiya canaa sequesano. Naarate tamonu jiyaniijianucua, tamonu maapuejuhuaj, tamonu pueyanio, nojori cuaara cojuaara capa niishiniuucuaji canaa sequesano. Maja miishiya sesa. Puetunu canaa sequesanojuanaa naajiosaaquiaari maninia pa miitioonura, juhuajaniya pa quiniuria jiyocua.