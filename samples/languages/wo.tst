
~1. Matukaay bu jëkk bi
Doomi aadama yépp danuy juddu, yam ci tawfeex ci sag ak sañ-sañ. Nekk na it ku xam dëgg te ànd na ak xelam, te war naa jëflante ak nawleen, te teg ko ci wàllu mbokk.
~2. Naareelu matukaay
Ku ne mën naa wax ne am na ay sañ-sañ ak ay tawfeex yu sosoo ci bataaxal bii te amul xeej ak seen, rawatina ci wàllu xeet, melo, awra, làkk, diiné, peete ci wàllu politig, xalaat, réew mbaa askan woo mën ti sosoo, ci it wàllu juddu alal ak lu mu mën ti doon.
Rax sa dolli amul xeej ak seen ci politig, yoon, mbaa doxalin wu aju ci bitim réew mbaa suuf soo xamne nit ki fa la cosaanoo; réew moomu mbaa suuf soosu moom na boppam walla deet, mbaa ñu yamale yengu-yëngoom.
~3. Ñatteelu matukaay
Nit kune war naa dund ci tawfeex ak kaaraange.
~4. Ñeenteelu matukaay
Waruñoo def kenn jaam mbaa mbindaan. Njaam ak njaayum jaam nanguwunu ko ci anam gu mu mën ti doon.
~5. Juróomeelu matukaay
Waruñoo mbugal, tutal, mbaa teg kenn lu metti lool lu yelloo wul ak doomu aadama.
~6. Juróom benneeli matukaay
Nit ku ne am na sañ-sañ ñu war kaa nangul darajaam ci wàllu yoon.
~7. Juróom benneeli matukaay
Népp a yam ci kanamu yoon. Te it amul xeej ak seen, ku ne yoon woowu war na laa aar. Népp war nañu leen aar ci luy jalgati liñu tënk ci bataaxal bii ak bepp yëngu-gëngu buy indi par-parloo.
~8. Juróom natteelu matukaay
Nit ku ne am na sañ-sañ dem ci berebi àtte kaay yi ci reewam saa yoo xamne sañ-sañam yooyu dëppook sàrti réewam mba yoon jalgati nañu ko.
~9. Juróom ñentteeli matukaay
Menuñoo jàpp, tëj, mbaa genne kenn réewam te tegunu ko ci yoon.
~10. Fukkeeli matukaay
Ci lu wér, nit kune mën naa egg ci berebu atte kaay wax li ko naqari ci anam gu jub, te baña ànd ak par-parloo, ne dañu ko taxal.
~11. Fukkeeli been matukaay ak benn
1. Bépp nit bu ñu taqal cimbir mu tar jàppe nanu ko ku set ba loolu ñu ko taxal leer nàññ ginnaaw bi ñu ko attee. Te ñu taxawu ko ci lépp lu koy aar ci atte boobule.
2. Duñu tëj kenn ci ay jëfam mbaa lu mu fàtte mbete loolu mu jëf ci jamono jooju nekkul mbir mu tar ci wàllu yoon, ci biir ak bitim réew. Foofu it yoon du ko teg lu dul limengóok li mu def ci jamono jooju.
~12. Fukkeeli matukaay ak ñaar
Kenn warula xuus ci dundinu doomu aadama, bu njabootam, ci lu jëm ci këram mbaa lu mengóok moom, di damm it jarajaam. Buñu jalgatee yii nit kune am na sañ-sañ ñu aar ko ci wàllu yoon.
~13. Fukkeeli matukaay ak ñatt
1. Nit kune am na sañ-sañ wëndeelu ni mu ko neexe, tànn it dekkuwaayam ci biir réew bu mu mën ti doon.
2. Nit kune am na sañ-sañ génn réew mu mu mën ti doon. Fimu dëkk it bokk na ci-ak it dellusi ci réewam.
~14. Fukkeeli matukaay ak ñent
1. Nit kune bu ñu ko mbugalee am na sañ-sañ làqu ji, mbaa ñaan ñu làq ko ci yeneni réew.
2. Su fekkee ne nit ki dañu koy toppu ginnaaw bi mu defee jëyyi, mbaa yëngu-yëngóon méngóowul ak li mbootaayu xeet yi tëral, sañ-sañ boobu.
~15. Fukkeeli matukaay ak juróom
1. Nit ku ne am na sañ-sañ xeetoo cim réew.
2. Mënuñu ne nit ki xeetoowul cim réew te teguñu ko fenn, mbaa ñu xañ ko sañ-sañ su bëggee soppi xeetoom ak réewan.m
~16. Fukkeeli matukaay ak juróom benn
1. Jigéen mbaa jóor saa yu matee amul xaaj ak seen, ak waaso bu mu mën ti bokk, réew, mba diiné am na sañ-sañ sëy ak it sos njaboot. Ñoo yam it sañ-sañ, balaa ñuy sëey, ci biir sëy ak it bu seen sëy tasee.
2. Sëy kenn menunuko fas, xanaa lu jiitu ku ne ci way-dencante yi joxe xalaatam.
3. Njaboot nekk na menneef gu am solo ci askan wi.
~17. Fukkeeli matukaay ak juróom ñaar
1. Ngay dund yaw doww mbaa ak mbooloo am nga sañ-sañ am loo moomal sa bopp.
2. Menuñoo xañ kenn am aman.
~18. Fukkeeli matukaay ak juróom ñatt
Nit kune am na sañ-sañ xalaat ak sa goom ci wàllu diine, soppi it diineem mba ngëmam, am na it tawfeex feeñal diineem, mbaa ngëmam, ak mbooloo, mbaa moom doww, fu àdduna daje mbaa deet, jarali ko ci njàngale mi, ci ay jëf, ci jaamu yi ak xarbaax.
~19. Fukkeeli matukaay ak juróom ñent
Nit ku ne am na sañ-sañ wax mbaa bind lu ko soob. Ci waxam yooyule kenn menuko ce bundu xatal. Te it am na sañ-sañ di gëstu, di jot, di wasare ci anam gu yaa ay xabaaraki xalaat ak ay jumtukaay yu mi Men ti jefandikóo.
~20. Ñaar fukkeeli matukaay
1. Nit kune am na sañ-sañ woote ab ndaje, mbaa sos mbootaay ci jàmm.
2. Mënuñoo bokk loo kenn ci mbootaay te àndu ci.
~21. Ñaar fukkeeli matukaay ak benn
1. Nit ku ne am na sañ-sañ bokk ci ñiy doxal mbiri réewam. Mu teewal fa boppam, mbaa mu yabal ab ndaw mu teewal ko fa.
2. Nit ku ne am na sañ-sañ, amul xeej ak seen liggéey ci bépp béréb buy doxal mbiri réewam.
3. Pas-pasu askan mooy cëslaay buy dëgëral lépp luy doxal réew. Pas-pas gile war na feeñ ci palin yu yiw yu ñu wara amal léeg-léeg ci tannin gu yaa te am sutura,mbaa topp yoon wu wóor wu andak taw feex ci wàllu pal.
~22. Ñaar fukkeeli matukaay ak ñaar
Nit ku ne meññeefu askan wi am na sañ-sañ ñu aar ko ci giru dundam. Ci dundam war na ci am xol bu sedd ci sañ-sañam yooyu, lu aju ci koom-koomam, ci dundinam ak ci lépp lu aju ci aadaam te di ko jox maanaa ak yookkute gu ànd ak tawfeex ci wàllu darajaam, loolu lépp nag ku ne doomu réew mi indi dooleem ak di jokkalante ak bitim réew te mu méngook tërërin ak am-amu réew mu ne.
~23. Ñaar fukk ak ñatteeli matukaay
1. Nit ku ne am na sañ-sañ liggéey, tànn it ci eanam gu ko neex liggéeyamm te mu dëppóok ay sàart yu yam te baax ci wàllu liggéey. Te it ñu aar ko ci ñàkkub liggéey.
2. Amul xeej ak seen ku néppam nanu sañ-sañ ñu fay leen, te loolu méngóok li mu aliggéey.
3. Keépp kuy liggéey am na sañ-sañ ñu jox ko pay gi mu yellool, baax te mën koo dundal ak njabbotam te mu yellook sagu doomu aadama, mu mottaliku it ak yeneeni pexe su mënee am ngir aar dundinam.
4. Nit ku ne am na sañ-sañ samp mbaa bokk ci ay kurel yu koy taxawu ci wàllu liggéeyam.
~24. Ñaar fukk ak ñenteeli matukaay
Nit ku ne am na sañ-sañ noppalu, feexal xolal ak it di yamale diirub liggéeyam ak it léeg-léeg muy për, bër gu ànd ak xaalis.
~25. Ñaar fukk ak juróomeeli matukaay
1. Nit ku ne am na sañ-sañ am dundingu yamamaay ngir dëgëral wér-gi-yaramam, raataageem ak bu njabootam, lrawatina ci wàllu lekk col, dëkkuwaay, lépp lu aju ci wàllu paj ak bépp yëngu-yëngu gu am farata ci wàllu dundam. Am na it sañ-sañ ñu aar ko bu liggeeyatul bu feebaree, bu amee laago, ñàkk saxnaam mbaa sërinam, mbaa màgget, mbaa mu ñàkk li muy suturloo ci anam yu dul ci cootareem.
2. War nañu beral loxo, dimbali képp ku tollu ci am doom ak it gune yi. Bépp xale bu juddu ci sëy, mbaa bu judduwul ci sëy ñoo bokk benn anam buñ leen di aare.
~26. Ñaar fukk ak juróom benneeli matukaay
1. Nit ku ne am na sañ-sañ ñu jàngal ko, njàng mi waruñu ci fayaku lu mu bon bon ci njàng mu suufe mi te am solo. Njàng mu suufe mi lu war la. Njàng mu xarala mi, te it aju ci wàllu liggéey war nanu koo wasaare. Amul xeej ak seen njàng mu kawe mi ubbil nañu ko képp ku ko yelloo.
2. Njàng war naa indi naataange gu yaa ci doomi aadama te it war na dëgëral ñu naw sañ-sañi doomi aadama aki tawfeexam ci anam gu yaa-wat na it rataxal déggóo gi ak yokkute mbootaayu xeet yi ngir jàmm sax.
3. Waajur yi ñoo jëkk am sañ-sañ ci anam gi ñuy yare seeni doom.
~27. Ñaar fukk ak juróom nenteeli matukaay
1. Nit ku ne am na sañ-sañ bokk ci dépp lu aju ci caaday askan wi, di bànneexu ci lu cu aju ak it bokk ci lépp luy suqali xarala gi ak lu ciy meñ.
2. Nit ku ne am na sañ-sañ ñu aaral ko lépp lu aju ci lu mudefar ci wàllu la xarala, mbind mbaa lu aju ci wàllu caala.
~28. Ñaar fukk ak juróom natteeli matukaay
Nit ku ne war naa tawaxu dëpp lu aju a askan wi, ak lu aju ci bitim réewam ba sañ-sañ ak tawfeex yi bataaxalu xeet gi ëmb mën a sax.
~29. Ñaar fukk ak juróom nenteeli matukaay
1. Nit ku ne am na ay wareef yu ko war digganteem ak dëkkandoom yi ngir dëgëral ci anam gu ya darajaam.
2. Nit ku ne buy doxal ay sañ-sañam aki tawfeexam war naa sallook li ko yoon may, ngir mu mën a nangu, naw, sañ-sañ nawleem ba léepp lu aju ci yiw, teey ak naataange gu yaa sax ci askan wi.
3. Sañ-sañ yeek tawfeex yi mënuñukoo doxal ci anam gu deppoo-wul li mbootaayu xeet yi misër mbaa taxawal.
~30. Fanweereeli matukaay
Ci fànn gu mu mën ti doon ci bataaxal bii, bépp réew, mbootaay mbaa nit, warul doxal mbaa def luy yàq sañ-sañ yeek tawfeex.