
~1.
Nantifin naanno rasisin cainnifoquin. Tsoan mato iscahuatiroma cuscan, -Manfin uhuunnacoinquin. Ahuua tsacatama rarama shara ninonfo ishon. Nantififain aton mapo shinantirofoquin. Ato nomuranrin chaca iyamarain sharamainqui icashon. Ascanrifiantan nantifin manifoti yorahuan tanannon icashu.
~2.
Nantifin yorafoti nocofunufo yafin ainfofo ahuuomafo non ahuara ichapayafo nanscarifin asho icoinranhaunonfoquian.
Nan non cunua cuscanhuafain cunoshonon.
~3.
Nantifinfin isharatirofoquin. Ahuua tsacatama rarama shara ninonfo ishon. Tsoqui musutama nitirofoquin.
~4.
Tsoancai yora futsa curushcai achitiroma ahuun yonomamitsamisi inon. Ascanrifin atacai yora futsan huaricai futsa inantiromafiquin yonomamitsamisi inon.
~5.
Ratoran futsancai yoraqui parannatiroma.
~6.
Ranushumua nantifinfain yoi inifoantirofo.
~7.
Nantifinfainfin naano rasin ranushumua nicaifaintiroquin. Cushu sharafaintiroquin. Naanori non yoia. Tsoanmain ahuua yoipaicai ishon ranushumuato ato cushu sharacoian.
~8.
Futsa futsan chacahuaiton oinquin niaifo patashariton ato cushu sharatiroquin.
~9.
Tsoan chacahuacuma ranushumu ato achiyamafain cunu muran iquimaiyamafain ahuun mai arishon nichitiroma.
~10.
Niaifofo yoran oincasmaifoancai ahuun niaifo patashari itirofoma. Yoran futsan yoiti huashucai niaifo patashari itirofomafinquin.
~11.
1. Yoran futsan yoiti huashucai niaifo patashari tapiataimano, -Mifin min icashu, yoitiroma. Yocaqui tauhuashon.
2. Yora futsaforinfin yocatiro. Ascan tapisharashonfin, -Mifin min icaran, huatiróquin.
~12.
Niaifofoan yoia cuscan yonoyamaiton, -Min chaca huaran, ishon ranushumuafo yoitirofoma. Tsoan ahuun pushu muran iquimacasmainocai iquitiroma. Ahuun yorarincai fucash huatiroma. Futsan cunu fumacurifincai futsan oinnantiroma. Futsacai tsain futsan huatiromafiquin. Yora futsan nanori huaitofin ranushumuaton noco cushu sharatiroquin.
~13.
1. Nan mai futsan ano ipaiyaifin iqui catiroquin.
2. Tsoan ahuun caifo ariashu caifo futsari ato mai ano capai catiro. Cafiashu afanan naso curantiro.
~14.
1. Rato futsan nan ahuun caifo muranshon'chaca huaino omitsiscahuaifono raquira futsa shinanshu mai futsa ari catiro. Mai futsan ari cashon niaifo futsan - ¿Un mato fu ipaiyaiton mian raquiri huatiromanmun?
2. Ascantanrifin yora nan ahuu caifoan chaca huafiaino ranushumu aton achianocai raqui afanan catiroma. Mai futsa aricai catiroma.
~15.
1. Ratoran futsan, -Unfin uhuun caifoan ahuun yoranfin unquin, -huatiroquin.
2. Caifo futsan muran ipaiyaitoncai tsoan nituhuantiroma.
~16.
1. Nocofunufo yafin ainfofo fianantirofoquin. Caifotifin ascatirofo. Fianancashon facu atirofo.
2. Ainfoan nocofunu ficasmaiton nocofunun fitiroma. Copiquiriri nocofunun ainfo ficasmaiton ainfoan fitiroma.
3. Nan niaifofoan nan yoran ipatifo atotirin oin sharapacutiroquin.
~17.
1. Nantifin yorafofin mai nantonnacoin itiroquin. Ascanrifiantanfin yora rafutanrifin ato mai nantonnacoin huatirofoquin.
2. Tsoancai tsoa futsacai, -Min mai anoashu cataonhuu. Afanan minama, noco huatiromafiquin.
~18.
Nantifinfainfin ahuuara shinanpaiquin shinantirofoquin. Ahuuara icoinranhuapaiainfoan icoinranhuatirofo. Ascanfiantanfin nan icoinranhuapaiainfotinchifin icoinranhuatirofo. Arusu fustichinfin icoinranhuapaiquin icoinranhuatiroquin. Atirifinfain a futan icoinranhuapaicaquinfin icoinranhuatirofoquin. icoinranhuashonfin yosi tiroquin. Nan icoinranhuaafotifinfin chanantirofoquin. Nanscafin atirofoquin.
~19.
Nantifinfainfin ahuuara shinanpaiquin shinantirofoquin. Shinanshofin futsanfori yoitiro. Tsoancai, -Nan min shinan cuscan huafain tsoan yoiyamahuu, -ishon, Anori yonotiroma. Man shinan cuscan huafain man cunutirori yora futsanfoforinfinfin oinmatiroquin.
~20.
1. Nan ichananpaiaifoti ichanantirofo. Tsofumain rafupaicai nan fu rafutiro.
2. Ratofumain rafucasmaicai. Tsoancai, -A fu rafuhuu, huatiromafinquin.
~21.
1. Rato futsamain ahuun caifoan niaifo itiroquin. Nan naifo ipaiyamaiton ratoran futsan ahuun caifo futan catontirofoquin. Niaifo inon icashon.
2. Nanfin niaifofonaquin ascan niaifofoan ato ahuuarafin apaiquin atirofoquin.
3. Ahuuamain huapaicanicai ishonfin niaifoan ato yonotiroquin. Fasi ranan finoin finonyotan anosi ichanancashon ratomain niaifoforifin iquicain ishon catontirofo. Nan nocofunufo futan ainfofoanrifin niaifofo catontirofo.
~22.
Cushunancahuun. Mato caifo yafin mato yorafo cushunan sharacahuun. Ascashufin nantifin isharatirofoquin.
~23.
1. Nantifin yorafo yonotirofoquin. Nan nocofunun nanfincoin yonopai yonotiro. Ascanrifiantan futsa yonoshonpaiquin yonoshontiro. Yonofiantiofiashucai yonoashuma isharatiromafinquin. Yono sharacashonfin nanno rasisi fitirofoquin.
2. Tsoan yono sharashonfin fi sharatiroquin. Yono sharacashonfin nanno rasisi fitirofoquin.
3. Ratoran futsa yono sharashonfin fi sharatiroquin. Ascancunfin naanton yafin ahuun yorafo isharatirofoquin.
4. Nantifinfainfin ano rasisi yonopaicanifin yonotirofoquin.
~24.
Nan yonoi unutafin caiyahuati sharaquin. Yonohuaitianmarinfin non tunu yafin sharaquin.
~25.
1. Nantifin non icafin sharaquin. Nantifin yonoyacain sahuutiacain pushuyacain cayatiacain. Ascashufin non shara itiroquin. Ahuuara isinpa icaiforifin yonotiromafocun non cushu sháratiroquin. Ahuinfo funuomarifin non oin sharatiroquin. Anifofo yafin yoshafoforinfinfin non ato oin sharatiroquin.
2. Nantifin ahuafo non facufo non cushu sharacahuun.
~26.
1. Nantifinfain cunu oianfofin sharaquin.
2. Tapimamisiton ahuun tapimamisifo ato tapimatiro iscahuaquin, -isharacahuu, futsa sharahuacahuu, futsaqui sinayamacahuu. Futsaforifin yorahuan tanancahuu. Ascanrifiantan rutananpaiyamacahuu.
3. Apan futan ahuan ato facufo ahuuara tapimapai cuscan huafainfin tapimatirofoquin.
~27.
1. Nanscaisi ahuun caifoya fuyahuanifo.
2. Ahuun caifo yononi cuscan huafain yora futsarifin ismatiroquin.
~28.
Non yonoa cuscan manifotifin acanashu nantifin yora isharacointirofoquin.
~29.
1. Nantifinfain nan ica pushu anoafo a futan atirofoquin.
2. Nantifinfain ahuuara shara huatirofoquin. Nialfofoan yonoa cuscanrifin nanrifin huatirofoquin. Nalifofoan yonoa cuscan nicacasmaiton ato iquimatiro foquin.
3. Non cunua cuscan tsoan yoiqui huashon, -Niaifofo yoini non ahuuara chaca huatiroquin, ishon. Aririma. Non ariri yoiama.
~30.
Non tsain shara fusti cunupai. Tsoan noco tsain oinfainshoncai yora futsa huapaiaitoncai oin sharamafinquin.