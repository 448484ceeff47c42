
~kit doux nangd daot 1
Ad leb ghad bob did doub nend, leb leb seat mex zend yanl gaot nianb lib, zenx renb baob nend nis ad leb ghad bob did doub nend zib youl, zhenb yib gaot hol nbinl nangd jid cut.
Jex zenx renb gaot wud miel renl njanl nangd sib nis yex manl nangd, leb leb sat jid nkiand mex ad leb max raot nangd, yanb senb ghob nhangb senb ghob nhangb nangd ghad bob did doub.
~kit doux nangd daot 2
Weib ghad mangs gangs doub nex nangd nex jex mex banb huat send hox chead mongl gaot zhenb fut jid beux jid dat, boub lies geud ful zhib lol baot hub renl njand.
Lies gangs ghad bob did doub nangd guel giad jid khaob jid raot.
Lianl hol guel dad ndub nangd yad yad nangd guel giad yit jind nib lianl hol guel xanb zhangd dad ndub jid pub guat jul,jid pud mix deib jid benx renl njanl, renl gel zend yanl, giab zid gaot ghaob mpad ghaob nit nangd nbinl denx njanl lib nangd xinb nianb, yeab jid pub mix lies jid zheax chud jid rut, gangs leb leb guat jid rut.
~kit doux nangd daot 3
Lianl hol guel dab ndub nangd guel giad jid pud jul, mix lies nhangs lianl hol guel ad goud jid chud,gangs leb leb sat zend zhongb gaot zend xinl renl njanl nhangs zib youl.
Gangs leb leb sat jid nianl ad baob njanl lib gaot zib youl nend, nis gangs leut gheul pud guat nangd dut jid pud deub lies jid chud.
~kit doux nangd daot 4
Nangd nangd,ad roul nend,
Dad huib,
Jid jiangt ad leb sib gieb renl njanl xand yanl nend, geud gangs yad yad nangd guel giad gaot leb leb nex geud jid chud piaod zhenx. Gangs mix hneb hneb jid pud jid ngheub, jid zheax jid sheab, nex chead zend zhongb njanl lib gaot zib youl. Tongd guob guel giad nhangs guel jib nangd cuob sid, gangs ad baob njant lib gaot zib youl nend, nib yad yad nangd guel giad nangd renl minl dad ndub,leb leb seat chenl renb gaot zend xinl.
~did ad qaox
Leb leb nis zib youl nangs, mex ad sheit nangd zend yanl nhangs njanl lib. Mix mex lix xinb gaot liangt send, leb leb lies nhangs ghob nab ghob geud nangd.
~did oub qaox
Leb leb sat mex ad leb xand yanl nend jid pud nangd yad yad nangd njanl lib gaot zib youl,jex guant nis ghob nhangb zongx cul, ghob deud nis ghob nhangb sex daob, nis ghob mpad ghob nit, pud ghob nhangb nangd dut, senb ghob nhangb ghunb, mex ghob nhangb nangd zhenb zib gaot guand dianx. nis ghob nhangb nangd guel giad nangd nex, nis ghob nhangb chul shend, nis liot nis kod, nib did dob bix nangd, yad yad sat jex mex qid biel.
Jex gangs yind weib ad lel nex nis nangd guel giad gaot lins toux nangd zhenb zib, xind zhenb gaot guel jil nangd dib weib jex jid ndongt deut mex ghob nhangb qid biel. Jex guant lins toux nis doul lil nangd, nex heut jid guant nangd, jex zib zhib nangd heab deit nis qil tad nangd qinl kuangb.
~dib bub qaox
Leb leb mex njanl lib mex shend minb, zib youl gaot renl shend ngand njanl.
~dib bleib qaox
Jex gangs geud jid leb chud noul lil, jex gangs mex jid guant nis ghob nhangb nangd noul lil zhib doub, jex gangs nious gaot mes noul lil.
~did blab qaox
Jex gangs yongb kub xinl, yongb jid nanx neas nangd gaot jex mex renl daob nangd, wud roul nangd deb yub gaot xinl fal.
~did zhaut qaox
Jex guant nib did dob, leb leb mex njanl lib gangs nex chenl renb wud nib fal lil geud neul nangd renl gail.
~did jongs qaox
Nib fal lil geud neul leb leb nis ad sheit nangd, mex njanl lib jid daot fal lil nangd pinx dent paot hub, jex zhaos nex end jex niangs. Leb leb mex njanl lib jid daot pinx dent paot hub, ghad mangs zhaos ad gaod end jid daot niangs nex nangd nex nangd jid heab.
~did yil qaox
Ad leb nex, xanb fal gaot fal lil gangs wud nangd jid benx. njanl lib zhaos nex qinb heib nangd ghox ngangx, mex njanl lib gangs hol gel nangd guel. giad fal tinl deib ad baob had loub nend chud mex xaob guox nangd but gioub.
~did jox qaox
Jex guant nis jid leb sat jex gangs chud ad baob jid noul, jid keb gaot jid choud nex jid sheb nangd sib.
~did gul qaox
Leb leb ad sheib nangd mex njanl lib gangs ad leb doul lil nangd, jex mex piand send nangd fal tinl chud max danx nangd gaot gongd kaid nangd xent xunb, lol jid danb wud nangd njanl lib nhangs nib wub, jid danb wud pud nangd yad yad nangd xinl sib zhit kongb.
~did gul ad qaox
1. Zhaos xinl sib zhit kongb nangd nex, jid xiangd jid danb wud mex zeib nangd ghob ngangx, wud nis jex nex zeib nangd.
2. Ad leb nex chud ghob nbangb jex chud ghob nhangb, nganb guel giad nangd gaot guel jil nangd fal lil sat jex mex dianx zeib nangd ghob ngangx, jex gangs jid danb wud nis mex zeib nangd. Xinl fal jex gangs bit fal lil jid sheit nangd ghad hend.
~did gul oub qaox
Leb leb nangd sid shend hol, jib bloud gaot tongd senb, jex gangs zhaos ghob nhangb gand sheb,wud nangd rongl yil gaot minl yil jex gangs zhaos gongd jil. Leb leb mex njanl lib jid daot fal lil nangd paot hub, lol jex zhaos ad baob sib qinx nend.
~dib gul bub qaox
1. Leb leb nib wud nangd guel giad goud nhangs mex njanl lib jid youx wud yanb nib did jongt.
2. Leb leb mex njanl lib jid sheub blongl wud nangd guel giad, wud yab mex njanl lib jid nzhangd lol.
~did gul bleib qaox
1. Leb leb mex njanl lib nib nex nangd guel giad jid chat paot hub ghad mangs zhaos jid heab.
2. Jex mex nis zhenb zhib nangd zeib,gaot weib beib jul lianl hol guel nangd zongd zid nhangs yanl zel nangd had loul, jex gangs yongb ad zhongx njanl lib nend.
~did gul blab qaox
1. Leb leb mex njanl lib mex guel jil.
2. Jex gangs jid tout nex nangd guel jil, jex gangs jid kat nex jid lieas guel jil nangd njanl lib.
~dib gul zhaot qaox
1. Deb mpad deb nit liox jul, jex guant nis ghob nhangb zongx cul, guel jil gaot jid senb ghob nhangbghunb,wud deit mex njanl lib jid janx bod oud lanl. Jex guant nis dangl qub nhangs lib fend, wud deit mex ad sheit nangd njanl lib.
2. Dangl qub lies ghob mpad ghob nit oub leb yad yad ndongx yil.
3. Jid bloud nis shend chenx nangd gaot jid benx nangd sheb huib dand yanl,lies mex sheb huib gaot guel gial nangd paot hub.
~did gul jongs qaox
1. Leb leb mex njanl lib mex bad dud nangd mis gul mis gians gaot nhangs nex ad goud nangd mis gul mis gians.
2. Jex gangs jid ghueut nex nangd mis gul mis gians.
~did gul yil qaox
Leb leb mex jid nbanx, jid khub gaot jid senb ghunb nangd njanl lib, wud jid lieas wud nangd ghunb seat chud dut. Wud mex leb dud, dab xib , gongd kaid nangd gaot jex gangs nex jid nianl nangd biaox shib wud nangd zongd giob nangd zib youl.
~did gul jox qaox
Leb leb mex pud dut nangd zib youl, ad zhongd njanl lib nend baod guad mex bad dud nangd zhux zhangd yab jex zhaos jid cot nangd zib youl, yab baod guad zhad mil shib mil yangb nangd meil geib jid chat gaot giel shaob xaod xid nhangs sid xiangt nangd zib youl.
~dib oub gul qaox
1. Leb leb mex zib youl nhangs nex jid zeix gaot giel sheb.
2. Jex gangs jid nanx nex cand giad tanl tix.
~dib oub gul ad qaox
1. Leb leb mex njanl lib jid dant mongl gaot gangs nex qit wud mongl zhib lix bad dud nangd guel giad.
2. Leb leb mex njanl lib ad sheit nangd cand giad bad dud guel giad nangd gongd wub.
3. Renl minl nangd yib zhib nis zhenb hut njanl lib nangd ghob jongx bid gaod, ad baob yib zhib nend lies zhad xanx jux lol biaox xanb, leb leb lies mex ad sheit nangd toul piaob nangd njanl lib, toul piaob lies ghad mangs nib leut geul sheit nhut.
~dib oub gul oub qaox
Leb leb mex njanl lib jid daot sheb huib nangd jid heut, mex njanl lib jid daot wud fal zanx wud bad dud nangd zend yanl gaot renl gail nangd ghob ngangx lies nangd jind jid, sheb huib gaot wenl huab nangd njanl lib.
~dib oub gul bub qaox
1. Leb leb mex njanl lib chud dongb, jid xant goud dongb , jid daot gongd zhenb gaot hox shib nangd goud dongb nangd qaox njanb lies mex jex zhad goud dongb nangd baot zhangb.
2. Chud ad sheit nangd goud dongb, lies mex ad sheit hliob nangd jid dangt.
3. Chud dongb nangd nex, lies daot hox shib nangd jid dangt, lies gangs wud bad dud nhangs wud jib bloud nangd nex mex max raot nangd qaox njanb.
4. Jid weib bad dud nangd lib yib, leb leb mex njanl lib jid zeud gaot cand giad gongd huib.
~did oub gul bleib qaox
Leb leb mex njanl lib Jid xaot, chud dongb nangd ghob ngangx, lies mex gangs jib dangt nangd giat qid.
~dib oub gul blab qaox
1. Leb leb mex njanl lib daot weib wud bad dud gaot wud jib bloud nangd nex nangd shend hol sheix zhent, ad baob nend baod gual mex max nongx , max hnend, bloud, ngab, gaot sheb huib ful.wub. Jex mex goud dongb jul, daot mongb jul, chud jex daot goud dongb jul, daot mongb jul, das bod jul, ghot jul, deit lies mex njanl lib daot paot zhangb.
2. Ned nhangs deb mex njanl lib jid daot ghad ceat nangd zhaob gub. Yad yab nangd deb deb, jex guant nis janx bloud goud zheit bix nangd heab deit nis janx bloud goud neul bix nangd, deit lies jid daot ad sheit nangd sheib huib paot hub.
~dib oub gul zhaot qaox
1. Leb leb lies mex zhaos jid sheab nangd njanl lib, ngoub ndeud lies jex xoud jid dangt, zhib shaot nib cud jil nangd ghob ngangx lies nangd nangd chud. Jib shub nhangs zil niel nangd jaob youl lies jid liob, gaod denx jaob youl lies jid nkhed chenl jil deib leb leb ad sheit nangd ked fangb.
2. Jaob youl nis jid weib fal zhanx nex nangd gaob xinb, end jid niangs renl njanl nhangs zib youl. Jaob youl lies jid gangs leb leb guel giad, minl cul gaot jex jid ndongx ghunb nangd nex lol jid nianl , jid rut, jid heut lianl hol guel chud rut goud dongb.
3. Ned mat deib deb deb nangd jaob youl nangd zhongt leib, mex ghaox doub jid sant nangd njanl lib.
~dib oub gul jongs qaox
1. Leb leb mex njanl lib cand giad shed huib nangd wenl huab send hox, jid daot kod xol nhangs wud canx send nangd hot chub.
2. Ad leb nex wud chud nangd kod xol, wenl xol nhangs meis shub cant send nangd jind senx nangd nhangs wul zil nangd lib yib, mex njanl lib jid daot baot hub.
~dib oub gul yil qaox
Leb leb mex njanl lib lies ad zhongx sheib huib nangd gaot guel jil nangd zhib xub, mex ad zhongx zhib xub nend, ad leb xand yanl nend jid pud nangd njanl lib gaot zib youl del jid daot jul.
~dib oub gul jox qaox
1. Leb leb lies jid heut sheb huib chud geud dongb, neax nis nib sheib huib dad nzhongb wud nangd gaob xinb chead kox nenb zib youl fal canx.
2. Ad leb nex nib xinl six wud nangd njanl lib nbangs zib youl nangd ghob ngangx, mex fal lil lol xanb zib wud, ad zhongx xanb zib nend nis jid weib goud neul goud zheit nangd nex nangd njanl lib nhangs zib youl, yeab nis nib ad leb minl zhut nangd sheb huib dad nzhongb nangd xid yaob.
3. Nib jid chud ad baob njanl lib nhangs zib youl nend, jex guant mex ghob nhangb qenx kuangb, seat jex gangs weix beib lanl hol guel nangd zongd zix nhangs yanl zel.
~did bub gul qaox
Ad leb xand yanl nend nangd yad yad nangd qaox wenl, jex gangs jid pud nis gangs ad leb guel giad did, ad leb jil tanl did gaot ad leb nex did mex njanl lib jid chud ad boab hol dongb, lol jid bab ad leb xand yanl nend jid pud nangd njanl lib nhangs zib youl nangd.