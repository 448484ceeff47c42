
~WOPAJERANI 1
Okhala wira osaamiha n'edignidade ya kunla pinatamu n'editeito sawe soolikana ni sakhwawe eri variyari wa eliberdade, wa esaria ni murettele mulumwenkuni;
Okhala wira ohisuwela n'ohisamiha edireito sa mutthu sinniiriha itthu sonanara n'ekiiso ya olumwenku onkhala awe pinatamu moota ontthuna awe, ehihasiwaka ni mutthu mukhwawe walaa ni osikhini, pihimmwe okhala etthu yulupale enlompwawe mutthu;
~WOPAJERANI 2
Okhala wi itthu yulupale okhaviherya edireito sa mutthu variyari v'regime ya edireito, ohitthyawele ekhotto wi akhume opuro onihosiwawe;
Okhala wi v'alupale okhaviherya makhalelo amurettele ni ilapo sikina;
~WOPAJERANI 3
Okhala wi Mupapheloni Ipovo sa Nações Unidas Sihimmwe wiwelela edireito sa mutthu, edignidade ni evalor ya pinatamu. Epaphelo yela en'himya edireito sikhaleke soolikala alopwana n'athiyana ni alipiheraka okhavihera makhalelo oorera, variyari v'eliberdade s'elapo soothene;
~WOPAJERANI 4
Okhala wi ilapo soothene sikhanle membro sa Nações Unidas sohiwanana olalea, sikhaviheranaka ni Nações Unidas, ottitthimiha vinjene sa edireito ya mutthu n'eliberdade sawe;
Okhala wi moota onsuwelehu edireito n'eliberdade iya etthu yuplupale wira naakhule saana epaphelo yasinanrehu;
~WOPAJERANI 5
Assembleia Geral
Assembleia Geral enalalea ephaphelo ela sa edireto ya mutthu, wi t'etthu yorera ottharerela wakunla elapo, n'atthu othene akhalanne varohoni itthu ya sihiimwe mpapheloni mu, asomihe ni apheele winnuwiha mattitthimihelo sa edireito ni eliberdade iya, ni alalee okhuma mulaponiwaya, mpaka ilapo sokhopela, wi sisuweliye ni sittharereliye wakunla elapo.
~ARTIKU 1
Atthu othene aniyaria oolikana ni owilamula moota ontthunaya okhala, variyari v'edignidade ni edireito. Akhalanne esaria ni otthokelela, ahaana akhalasaka othene saya vamurettele.
~ARTIKU 2
Atthu othene poti othyawelela edireito n'eliberdade silempwe mupapheloni mu ahithanliaka yakhala wira atthu ooripa walaa oottela, nnakhala muthiyana walaa mulopwana, opuro onkhala'we, oninlompa'we muluku, epoliitika entthara'we, muthajiri walaa musikhini.
Nenna vaa, khavo onrowa othanliwa mwaha wa epoliitika entthara'we, elapo awe, walaa nttetthe oyariwa'we, okhalana ni wihikhalana elapo yupum'we omantariwa n'atthu ookhopela.
~ARTIKU 3
Wakunla pinatamu ohaana edireito ya ekumi, eliberdade ni wakiha erutthu awe.
~ARTIKU 4
Khavo onrowa okhalihiwa epottha, makhalelo ya epottha, ni moota owakaliha epottha atthu enakhottihiya.
~ARTIKU 5
Khavo onrowa ohoosiwa, nnakhala okhalihiwa moota wonanara.
~ARTIKU 6
Wakunla mutthu ohaana edireito yosaamihia makhalelo awe wakunla opuro onkhala'we.
~ARTIKU 7
Atthu othene t'olikana variyari va elei, n'atthu othene attitthimihiweke n'elei. Atthu othene ahaana akhaviheriwaka, mwaha wale ahin'tthuna ottitthimiha edeklarasau ila.
~ARTIKU 8
Wakunla mutthu ohaana edireito yotthyawelela elei ya elapo enkhalawe wi akihiwe yakhala wira edireito sawe silempwe mwa elei yelapo awe kisettin'he saana.
~ARTIKU 9
Khavo onrowa otthukiwa ni womoliwa mulaponimwawe, yihiwen'he saana etthu etthenka'we.
~ARTIKU 10
Wakunla mutthu ohaana edireito ntoko atthu akina, wi etthu etthenka'we enalamuliwa mwa otribunal, moota ansuwelaya atthu othene, van'himwaya edever ni edireito sawe, ni mulattu otthukeliwawe.
~ARTIKU 11
1. Wakunla mutthu onihim'mwa wi oottheka, onkhalihiya wira khivo yin'ryawe mpaka anamulamula mulattu woneshesha etthu yin'ryawe, ehilialaka okarantiri eproseso ya edefesa sawe.
2. Khavo onrowa otthukeliwa etthu ehikhalale mulattu mwa elapo enkhala'we nnakhala ilapo sa okhopela. Nenna va, khavo onrowa winnuwiheriwa epena'we khuvikana ele yahimmwa okathi otthenk'awe.
~ARTIKU 12
Khavo onrowa ovehiwa okomantheene owan'nhawe, n'amusi awe, otthukuliwa iwarakha sawe, nnakhala wihisamihiya moota onkhala'we. Elei yohaana omwakiha mutthu onrowa ovehiwa moota yola.
~ARTIKU 13
1. Wakunla mutthu ohaana edireito yothanla opuro onphela'we okhala, n'hina mwa Estado eri awe.
2. Wakunla mutthu ohaana edireito yothama elapo eri awe, poti okhala elapo awe, ni edireito yotthikela mulaponi mwawe.
~ARTIKU 14
1. Wakunla mutthu onoomoliwa n'autoridade ohaana edireito yoveka ni okhala ilapo sa okhopela.
2. Edireito ela kahi ya'tthu yinre etthu yonanara variyari v'elei yelapo enkhalaya, nnakhala mwamakhalelo a Nações Unidas.
~ARTIKU 15
1. Wakunla mutthu ohaana edireito yokhalana enacionalidade.
2. Khavo mutthu onrowa okhottihiwa enacionalidade awe ehinre etthu yonanara, nnakhala oveka enacionalidade ekina.
~ARTIKU 16
1. Mulopwana ni muthiyana yennuwakaru ahaana edireto yothelana, akhale ottela ni nooriipa, mutthu a mulaponi ni a elapo yokhopela, walaa akhalee s'egreja soovirikana. Okhuma okatthi onthelanaya, mpaka vammwalanaya, edireito saya ti soolikana.
2. Atthu anthelana, ooweeli ahaana atthunaka wi athelane.
3. Etthoko t'etthu yulupale mulaponi, nenna vaa, yohaana edireito y'eproteção ni okhaviheriwa n'Estado.
~ARTIKU 17
1. Wakunla mutthu mekhawe, walaa n'akhwawe ohaana edireito yokhalana etthu awe.
2. Khavo onrowa okhottihiwa etthu yawawe.
~ARTIKU 18
Wakunla mutthu ohaana edireito yotthokelela etthu entthuna awe, ya makhalelo ni moota oninlopawe muluku. Edireito ela en'himya wira mutthu ula poti ohiya egreja eri awe khukela entthuna awe, nnakhala moota ontthokekelawe, mekhawe walaa onari n'akhwawe, asomihaka walaa amulonpaka muluku.
~ARTIKU 19
Wakunla mutthu ohaana edireito y'ohimya enimmwa m'muru mwawe, ehopipihiwaka ekiiso sa itthu sin'himyawe, ni opheela wakhela ni olalea nuulumo nawe, mulaponimwawe ni ilapo sokhopela.
~ARTIKU 20
1. Wakunla mutthu ohaana edireito yothukumana vamurettele n'atthu akhwawe .
2. Khavo onkelihiya va muthukumano ehitthunale mwanene.
~ARTIKU 21
1. Wakunla mutthu ohaana edireito yon'holela nakoso okhanle a publico yelapo awe, waala onthanla mutthu onrowa omuholela onpheela wi athanliwe.
2. Wakunla mutthu ohaana edireito, ni moota wolikana n'atthu akina, itthu siniria s'atthu othene a mulaponi mwawe.
3. Evontade ya epovo t'enilamula moota oniholela elapo atthu athanliwe. Yaala aniholela, athanliweke va mpantta wamuthanlo, onrowa atthu othene arina edireito yothanla, khiyathanla moota ontthunaya yihoniheraka mutthu oninthanlaya.
~ARTIKU 22
Wakunla mutthu okhala wi membro a esociedade, ohaana edireito yokhaviheriwa n'estado, n'oveka edireito sawe silempwe muleini siniholela elapo awe ni elapo sokhopela, nenna va, itthu iya siveka awe sikhaleke simphwanhanea mulaponi mwawe.
~ARTIKU 23
1. Wakunla mutthu ohaana edireito yophwanha muteko, n'othanla muteko ola moota wolikana n'akhwawe, ni okhaviheriwa ahikhalane muteko.
2. Atthu othene ahaana edireito yowakhela moota onakhela akhwaya anivarana aya muteko mmosa.
3. Onivara muteko ohaana edireito yowakhela saana, wi akhale n'amusi awe variyari v'edignidade ya mutthu, n'okhaviheriwa ahikhale saana.
4. Wakunla mutthu ohaana edireito yothukumana n'akhwawe khiyapaka esindicato, ni wilepiha mwa mathukumano akina wira alipihere edireito sawe.
~ARTIKU 24
Wakunla mutthu ohaana edireito yomumula, n'okathi wamuteko ohivirikanihe elei, ni edireito yokhalana ifeeria soolinva.
~ARTIKU 25
1. Wakunla mutthu ohaana edireito sa itthu wi akhale saana n'amusi awe ( ekuwo, yoja, enupa,...) ni ekumi, okhaviheriya ahikhalane muteko, awereyaka, apahun'we, onakhweliye an'yawe walaa amwara awe, onoluvanle ni sinamwirenle itthu sothakhala.
2. Muthiyana orupanle nuule oyanre naanano ohaana edireito yokhaviheriwa saana. Ana othene ayariwe variyari va mulopwana ni muthiyana ahithelanne arina edireito solikana ni sa anamwane akina.
~ARTIKU 26
1. Wakunla mutthu ohaana edireito yosoma. Osoma ohaana okhalaka wihinlivia mpaka omaliha myakha sopajera onisuthiya olepa n'osoma. Myakha sopajera iya atthu othene ahaana yilepihaka nnakhala vahasivelaka. Sihaana sipankaka esikola sinjene sinakumiha mateekniko. Esikola yulupale yesomi, ehaana otthukuliwa wi atthu othene akeleke moota wolikana, ale othene aniweryasa.
2. Esikola ekhale opuro oninnuwiha muru ni murima wa mutthu, eninnuwiha edireito n'eliberdade sa mutthu. Esikola ela ehaana yinnuwihaka moota onimoona'hu pinatamu m'khwahu variyari vamurettele n'atthu othene, niphelaka wi ninnuwihe miteko sa Nações Unidas.
3. Asipapa ahaana edireito yopajera othanla moota ontthuna'ya onsomiha mwanaya.
~ARTIKU 27
1. Wakunla mutthu ohaana edireito yotthuna okela mwaneene mmitekoni sinvariya mmwannhawe, ni wakhela itthu sinkhumelela mmitekoni sinvara'we.
2. Atthu othene ahaana edireito yoprotejeria itthu sothene sinvaraya s'osuela waya wa osomi.
~ARTIKU 28
Wakunla mutthu ohaana edireito yokhavihera, wi edireito n'eliberdade silempwe muwarakhani mu sihikelihiwe iphiro sonanara.
~ARTIKU 29
1. Pinatamu ohaana idevere mulaponi mwawe, sinrowa omwinnuwiha ni moota anaweha'we atthu akhwawe.
2. Ottharihela idireito n'eliberdade silempwe mu, khavo onrowa ovariwa wi alalee edireito ni eliberdade s'atthu akina, wi esariya ni makhalelo a murettele yonaneye mulaponi variyari v'edomocracia.
3. Edireito n'eliberdade iya sihiraneye sivirikanihaka elei sin'holela makhalelo a Nações Unidas.
~ARTIKU 30
Khanivo nlamulo na edeklarasau ila ninrowa otthariheleliwa, n'estado, mathukumano a'tthu, walaa mutthu, epankaka etthu enrowa ovirikaniha idireito ni eliberdade silempwe mu.