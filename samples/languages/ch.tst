
~Preambulo 1
Asi como i recognision pot i inherente (natural)na dignidad yan pot i pareho yan inahenable (tisina maamot) na derechon todo i membron i humano na familia guiya i fundacion i liberta, justicia yan pas gi todo i tano.
Asi como i dinisatende yan i denisprecia i derecho siha para i taotao manhuyon ti civilisao na finatinas siha ni esta hasen insulta i consencian i taotao yan i finato gi tano anai taotao siha umagosa i libertad kumentos, yan hinenge yan libertad gine minanao yan minalago esta maproclama como i mas takilo na aspirasion (tinanga) i comodo (regular) na taotao siha.
~Preambulo 2
Asi como necesario, yangin i taotao ti para uenebliga na uespiha recurso (hinagon), como i utimo na fandiskansayan gi rebulasion contra i crueldad yan bahacion enao na i derecho siha para i taotao umaprotehe nui arreglon i lai.
Asi como necesario na umaadelanta i kinalanten i amestao (inamigo) na relasion siha entalo nasion siha. Asi como i taotao i Unidos Nasion siha guaha gi halom i Charter masasegura i hinegen niha gi fundamental na derecho siha para i taotao, gi dignidad yan chatbale ya i humano (taotao) na persona yan i pareho na derecho i lahe yan i palauan yan esta madetermina na umaadelanta progresson social yan mas prisocio na standard siha pot linala gi mas dankulo na libertad.
~Preambulo 3
Asi como un comodo na kininprende pot este nana umaobtene, gi i cooperasion yan i Unidas Nasion siha, i maadelantan i universal na respecto para yan i maguadian i derechon taotao yan fundamental na libertad siha.
Asi como un comodo na kininprende pot este na derecho yan libertad siha i mas importante para i kabales na marealizasion este na linala.
~Preambulo 4
Pago, Pot eso,
i Heneralna Assemblia
aproklama
este i Universal na Declarasion i Derecho siha para i Taotao, como un comodo na standard i obtenamenten para todo i taotao siha yan todo nasion siha, esta i utimo na kada individual yan kada organon i sociedad, ugagaige ha este na Declarasion todo i tiempo gi hinason niha, ya umafatinas mano i sina gi finanague yan educasion para uma adelanta i respeto para este na derecho yan libertad siha yan gi manera ni progresibo, nasional yan inter-nasional, para umaasegura i universal na maguadian niha, tanto i mangaige na taotao siha gi territorio ni gaige gi papa jurisdicksion niha.
~Articulo 1.
Todo taotao siha man mafanago libertao yan pareho gi dignidad yan derecho siha, man manae siha hinaso yan consiencia yan debe de ufatinas contra uno yan otro gi un espiritun chumelo.
~Articulo 2.
Todo man qualificao nu todo i derecho yan libertad siha ni manmalatnos gi halom este na Declarasion, sin nihafa na distingasiongi maseha hafa na klase, asi como rasa, kulor, sexso, linguahe, relihon, political pat otro opinion, nasional, pat original social, properdad, parto, pat otro statulo (estao).
Ademas, taya distinguasion sina umafatinas ni maapela gi i fundamenton political, i jurisdicksional pat i internasional na estao i tano pat i teritorio ni gaige un persona, maseha gui independensia, encargo, ti agobierbena gui pat papa maseha hafa otro na restriksion i minagas gobiernamentonna.
~Articulo 3.
Todo mangai derecho pot linala, libertad yan seguridad i persona.
~Articulo 4.
Taya sina mamantene como esclabo pat servidumbre; esclavitudu yan i commercion esclavo umapribe gi todo i klasen niha siha.
~Articulo 5.
Taya sina masometido (manamerese) nui agoniado (na chatflik) na kastigo pat nui cruel, ti para taotao pat deshonrao na tratamento pat kastigo.
~Articulo 6.
Todo man gai derecho na ufan marecognisa maseha mano como persona gi menan i lai.
~Articulo 7.
Todo man pareho gi menan i lai yan man gai derecho sin nihafa na descriminasion nui pareho na proteksion i lai. Todo man gai derecho nui pareho na proteksion kontra kuatkuet discriminasion gi kinentran este na Declarasion yan kontra kuatkuet estimular nui eso na discriminasion.
~Articulo 8.
Todo mangai derecho nui un effectibo na remedio ginen i man kaps na nasional na tribunal siha para finatinas siha ni acocontra i fundamental na derecho siha manae gui ginen i constitucion pot i lai.
~Articulo 9.
Taya sina na sometido nu i arbitrario na inaresta, detension pat destierro.
~Articulo 10.
Todo man gai derecho gi kabales na ekualidad nui un faborable yan mababa'para i publico nui un independente yan tai fabor na tribunal gi i madeterminasion i derechona yan obligasionna siha yan maseha hafa na acusasion ni criminal kontro guiya.
~Articulo 11.
1. Hayi ma akusa gi penan chatmanhu'la mangai derecho para u fanma po'lo como inosenti asta-ki guaha ebidensia na umisao sigun gi lai ya u ma garantia na u mana guaha nisisariu na dinifendi.
2. Taya sina ma akusa na umisao gi kuatkuet pena pat finatinas yan sinangan como ti guiya umisague' gi papa nasional na lai, gi tiempo anai makumiti i isao. Desde sed ti debi di u mas makat i pena kontra uno ni mas aplikable gi tiempo anai gumuaha pena.
~Articulo 12.
Taya sina masumetido nu i arbitrarion na inentalo gi i secretuna, familiana, gumana pat corespondenciana, oset para uataka i honrana yan reputasiona. Todo mangai derecho nui proteksion i lai kontra eso na inentalo pat inataka siha.
~Articulo 13.
1. Todo man gai derecho nui libertad na movimiento yan residencia gi halom i rendelon kada stado.
2. Todo man gai derecho na udingo katkuet tano, incluso i tanona, yan para ubuetta gui guato ti tanona.
~Articulo 14.
1. Todo man gai derecho na ualigao yan para ugosa gi otro tano siha asilo (linihen) gine kastigo.
2. Este na derecho ti debe umainvoka gi kaso pot persucusion (kastigo) siha naturalmente dumoko ginen ti political na isao siha pat ginen finatinas siha ni acocontra i intension yan principal siha i Unidos Nasion siha.
~Articulo l5.
1. Todo man gai derecho nu un nasionalidad.
2. Taya ni uno sina maarbitariomente maamot nu i nasionalidadna oset marenuncia ni derecho para utulaika i nasionalidadna.
~Articulo l6.
1. Lalahe yan famalauan ni kabales idad niha, sin nihafa na restriksion kauso pot rasa, nationalidad pat relihion, man gai derecho na ufan asagua yan para ufan gai familia. Mangai derecho siha pot kasamento, duranten umasaguan niha, yan inadespatan i kasamento.
2. Kasamento debe de umahatme solo que gi libertao yan kabales na consentimenton i para ufan asagua na persona siha.
3. I familia guiya i natural yan i fundamental na gurupon dinanna i sociedad yan gai derecho gui nui proteksion ginen i sociedad yan i stados (lugana).
~Articulo 17.
1. Todo persona man gai derecho para ugai properdad namaisa yan loque gi associasion yan otro siha.
2. Taya ni uno sina arbitariomente ma amot nui properdadna.
~Articulo 18.
Todo man gai derecho para ufan man haso gi libertad, consciencia yan relihion; este na derecho ha inklulusa libertad para utulaika i relihionna pat hinengenna, yan libertad maseha guiya namaisa pat gi dinanna yan otro siha gi publico pat privado, para umanifesta i relihionna pat hinengenna gi finanague, mapractica, inadora yan guinadda.
~Articulo 19.
Todo man gai derecho para libertad na opinion yan expresasion; este na derecho ha inklulusa i libertad para usustiene opinion sin nihafa na inentalo yan para uespia, uresibe yan ulaknos informasion yan idea siha gi maseha hafa na media yan sin considerasion pot nuebon niha siha.
~Articulo 20.
1. Todo man gai derecho para libertad na assemblia yan asociasion ni pacifico.
2. Taya sina maobliga para uhalong gi un asociasion.
~Articulo 21.
1. Todo man gai derecho para ufan naonao gi i gobiernamenton i tanona, derektamente pat ginen i libertad ni maayek na representante.
2. Todo man gai derecho nui pareho na accesso (entrada) para i servicion publico i tanona.
3. I minalago i taotao debe de i fundamental i autoridad i gobiernamento; este na minalago debe de umanaanok gi tempo-pot-tempo yan magahet na election siha ni debe ginen i universal yan pareho na boto yan debe de umaconsige gi secreto na botasion pat gi ekuivalenten libertao na manera siha para man bota.
~Articulo 22.
Todo, como membron i sociedad, man gai derecho para i social na seguridad yan gai derecho para managuahan i seguridad, ginen i nasional na prenekura yan internasional na co-operasion yan gi acondancia yan i organisasion yan guinahan i kada uno na stado, i economia, social yan cultural na derecho siha ni tisina machanda i dignidadna yan i libertao na inadelantan i personalidadna.
~Articulo 23
1. Todo man gai derecho para ufachocho, para libertao na enaye empleo, para virtuoso yan faborable na condision i checho yan para proteksion kontra ti empleado.
2. Todo, sin nihafa na discriminasion, man gai derecho nui pareho na apas para i pareho na chocho.
3. Todo man machochocho man gai derecho para virtuoso yan faborable na compensensia asiguridot para guiya mismo yan i familiana un linala bale yan humano (taotao) na dignidad, yan maumentaye (masaplemente) yangin necesario, nui otro medio siha na proteksion social.
4. Todo man gai derecho para uforma yan usaonao gi inetnon comercio siha para i proteksion i interesna siha.
~Articulo 24.
Todo man gai derecho para udeskansa yan tai ocupasion, incluso mididao na oran choch siha, yan tempo-pot-tempo na haanen gupot ni maapase.
~Articulo 25.
1. Todo man gai derecho para un standar na linala ni nahong para i hinemlo yan felicidadna yan para i familiana, incluso nenkano, magago, guma yan estiman medico yan necesario na servicion social siha, yan i derecho para seguridad inkaso na tiempleao, minalango, ininutet, biudo pat biuda, inamko pat otro ni fatan i linala gi circumstancia ni tangue gi sisinana.
2. Maternida (humana) yan infancia (neni) mangai derecho para special na inistema yan ayudo. Todo famaguon, maseha mafango gi estao kasamento pat ahe, debe de ugosa i pareho na proteksion social.
~Articulo 26.
1. Todo man gai derecho nui educasion. Educasion debe de sin apas, polomenos gi elmentario yan i fundamental na eskalera siha. Elementario na educasion debe de obligao. Teknical yan profesional na educasion debe umana guaha heneralmente yan i latakilo na educasion debe de kabales na hatmiyon para todo sigun i mireto.
2. I educasion debe de umaderihe para i kabales yan i manametgot i respeto pot derechon humano siha yan fundamental na libertad siha. I educasion debe unadelanta inakumprende, siningon, yan inamigo entalo todo i tano siha, rasa pat gurupon relihion siha, yan debe uomenta i checho i Unidas Nasion siha para i masuseten i pas.
3. I mManaina man gai primet derecho para uayek i klasen educasion ni para umanae i famaguon niha.
~Articulo 27.
1. Todo man gai derecho libertao para usaonao gi i cultural na linala i comunidad, para ugosa i arto siha para usaonao gi sientifico na adelantamente yan i beneficiona siha.
2. Todo man gai derecho pot i proteksion i moral yan material na interes siha umuhuyon ginen todo sientifico, literario (tinige) pat producsion artistico ni eso guiya autor (fumatinas).
~Articulo 28.
Todo man gai derecho para un social yan internasional na arreglo anai i derecho yan i libertad siha ni man mapolo guine na Declarasion usina marealisa kabales.
~Articulo 29.
1. Todo man gai obligasion para i comunidad anai solamente i libertad yan kabales na adelanto i personalidadna sina makonsige.
2. Gi i ninaseben i derechona yan libertadna siha, todo ufan sometado (tokante) nui restriksion siha ni man madetermina gi lai solamente pot i intensiom i ma aseguran i ginagagao na recognision yan respeto para i derecho yan libertad i pumalo siha yan i inafacha i virtuoso na ginagao moral, areglao na publico yan i heneral na prosperidad ni un democratico na sociedad.
3. I derecho yan libertad siha tidebe umausa gi kautkuet manero ni contrario yan i intension yan i motibon i Unidas Nasion siha.
~Articulo 30.
Taya gi este na Declarasion usina mainterpete como haimplilika (hasasangan) para kuatkuet stado, gurupo pat persona kuatkuet derecho ni para usaonao gi kuatkuet actividad (chocho) pat para ufatinas kuatkuet acto madesigna para i destruksion i kuatkuet derecho yan libertad siha ni man mapolo guine na tinige.